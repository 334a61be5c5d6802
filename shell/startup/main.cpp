#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QIcon>

#include "shell/cli/argument_bytes.h"
#include "shell/cli/command_line.h"
#include "shell/cli/file_commands.h"
#include "shell/cli/palette_export.h"
#include "shell/cli/script_command.h"
#include "shell/cli/stage_export.h"
#include "shell/cli/tile_sheet_commands.h"
#include "shell/session/language.h"
#include "shell/startup/private_runtime_folder.h"
#include "shell/startup/startup.h"
#include "text/translation.h"

namespace {

QtMessageHandler toolkitHandler = nullptr;

// The off-screen platform says on every fixed-size window that it cannot pass size
// hints on, which is no concern of a run that writes a picture or a file; everything
// else the toolkit says still reaches standard error.
void dropSizeHintNotice(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (toolkitHandler)
        toolkitHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void keepOffscreenNoticesQuiet()
{
    toolkitHandler = qInstallMessageHandler(dropSizeHintNotice);
}

}  // namespace

int main(int argc, char* argv[])
{
    // Decided before the toolkit picks its platform: without a display the editor
    // draws off-screen and leaves a screenshot instead of a window.
    // Exported pictures and the commands on files need no display either, and open no
    // window even with one.
    const bool hasDisplay = displayAvailable();
    const bool withoutWindow = asksForPicturesOnly(argc, argv) || asksForFileCommand(argc, argv) ||
        asksForTileSheetCommand(argc, argv) || asksForPaletteExport(argc, argv) || asksForScriptRun(argc, argv);
    if (!hasDisplay || withoutWindow)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (withoutWindow || !hasDisplay) {
        usePrivateRuntimeFolder();
        keepOffscreenNoticesQuiet();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("quarrix-editor");
    // Docks and task bars find the installed entry, and with it the icon and the name
    // "Quarrix Editor", through this id. No display name is set: the toolkit would
    // append it to the window's title.
    QGuiApplication::setDesktopFileName(QUARRIX_APP_ID);
    // For window managers that take the icon from the window rather than the entry;
    // found once the package is installed, none when run from the build folder.
    QApplication::setWindowIcon(QIcon::fromTheme(QUARRIX_APP_ID));
    QApplication::setApplicationVersion(QUARRIX_VERSION);
    // Before anything is said: the errors of the command line come in the system's
    // language too.
    useLanguage(systemLanguage());
    keepArgumentBytes(argc, argv);
    StartOptions options = parseCommandLine(app);
    // Platforms without a screen: a message box there would wait unseen for ever.
    options.unattended =
        !hasDisplay || QGuiApplication::platformName() == "offscreen" || QGuiApplication::platformName() == "minimal";
    if (options.exportPalette)
        return exportPalette(*options.exportPalette);
    if (options.fileCommand)
        return runFileCommand(options);
    if (options.tileSheet)
        return runTileSheetCommand(options);
    if (options.script)
        return runScriptCommand(options);
    if (options.exportPictures)
        return exportPictures(options);

    if (!hasDisplay && !options.screenshot && !options.reportFirstFrame) {
        if (!options.demo && !options.romPath) {
            std::printf("%s\n",
                        qPrintable(QCoreApplication::translate(
                            "main",
                            "No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the file "
                            "dialog cannot be shown.\nName a ROM image or use --demo to get a "
                            "screenshot instead.")));
            return 1;
        }
        const char* fileName = options.demo ? "quarrix-demo.png" : "quarrix-editor.png";
        options.screenshot = QDir::current().absoluteFilePath(fileName).toStdString();
        const std::string notice =
            fillIn(QCoreApplication::translate("main",
                                               "No display found (DISPLAY and WAYLAND_DISPLAY are unset): "
                                               "instead of opening a window, the editor writes a screenshot to %1")
                       .toStdString(),
                   {*options.screenshot});
        std::printf("%s\n", notice.c_str());
        std::fflush(stdout);
    }
    return runEditor(options);
}
