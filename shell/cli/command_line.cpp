#include "shell/cli/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCommandLineParser>
#include <QFile>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/stage_records.h"
#include "render/colour_table.h"
#include "shell/cli/argument_bytes.h"
#include "shell/cli/stage_export.h"
#include "text/translation.h"

namespace {

[[noreturn]] void failUsage(QCommandLineParser& parser, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()), text.c_str(),
                 qPrintable(parser.helpText()));
    std::exit(EXIT_FAILURE);
}

// Draws with the colours of the palette file at path, or ends the process saying why
// it cannot.
void usePaletteFile(const std::string& path)
{
    try {
        // One byte more than the largest palette file tells a larger one without reading it whole.
        constexpr std::size_t kLargest = 1536;
        const std::vector<std::uint8_t> bytes = readFileBytes(path, kLargest + 1);
        if (bytes.size() > kLargest)
            throw std::runtime_error(
                QCoreApplication::translate("command_line", "it is larger than 1536 bytes, the largest palette file")
                    .toStdString());
        useConsoleColours(paletteFileColours(bytes));
    } catch (const std::exception& error) {
        const std::string refusal = fillIn(
            QCoreApplication::translate("command_line", "the palette file '%1' cannot be used: %2").toStdString(),
            {readableName(path), error.what()});
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), refusal.c_str());
        std::exit(EXIT_FAILURE);
    }
}

}  // namespace

StartOptions parseCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("command_line",
                                    "Level editor for the ROM image of a 16-stage NES action game.\n"
                                    "Without arguments it asks for the ROM image in a file dialog."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        "rom",
        QCoreApplication::translate("command_line",
                                    "The ROM image to open, instead of choosing it in the file dialog."),
        "[rom]");
    const QCommandLineOption demo(
        "demo",
        QCoreApplication::translate("command_line",
                                    "Write the built-in demo image into the user's data folder and open it."));
    const QCommandLineOption screenshot(
        "screenshot",
        QCoreApplication::translate("command_line",
                                    "Start as usual, let the first frames run, save the window as a PNG "
                                    "image to <file> and end."),
        "file");
    const QCommandLineOption view(
        "view",
        QCoreApplication::translate("command_line",
                                    "Start in view <n>: 0 MAP, 1 OBJECT, 2 MAP SET, 3 CHIP SET, 4 CHIP."),
        "n");
    const QCommandLineOption emulator(
        "emulator",
        QCoreApplication::translate("command_line",
                                    "Play-test (F5) with <command>; %f in it stands for the image, which "
                                    "otherwise comes last. Default: $QUARRIX_EMULATOR, else the first of "
                                    "fceux, nestopia, mednafen on PATH."),
        "command");
    const QCommandLineOption objectNames(
        "object-names",
        QCoreApplication::translate("command_line",
                                    "Name the objects' data values from the names file <file>. Without it, "
                                    "the image's name followed by .objects.json is used when there is one."),
        "file");
    const QCommandLineOption paletteFile(
        "palette-file",
        QCoreApplication::translate("command_line",
                                    "Draw the views, the Colours window and every picture with the 64 "
                                    "colours of the emulator palette <file> (192 or 1536 bytes)."),
        "file");
    const QCommandLineOption exportPalette(
        "export-palette",
        QCoreApplication::translate("command_line",
                                    "Write the 64 colours the editor draws with (those of --palette-file, "
                                    "if given) to <file> as an emulator palette of 192 bytes, the format "
                                    "fceux's --palette reads, and end."),
        "file");
    QCommandLineOption reportFirstFrame(
        "report-first-frame",
        QCoreApplication::translate("command_line",
                                    "Print the wall-clock time (ms since 1970) of the first painted frame and end."));
    reportFirstFrame.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({demo, screenshot, view, emulator, objectNames, paletteFile, exportPalette, reportFirstFrame});
    const ExportArguments exportArguments(parser);
    const FileCommandArguments fileCommandArguments(parser);
    const TileSheetArguments tileSheetArguments(parser);
    const ScriptArguments scriptArguments(parser);
    parser.process(app);

    StartOptions options;
    QStringList positional = parser.positionalArguments();
    if (const std::optional<std::string> wrong = scriptArguments.read(parser, positional, options))
        failUsage(parser, *wrong);
    if (const std::optional<std::string> wrong = tileSheetArguments.read(parser, positional, options))
        failUsage(parser, *wrong);
    if (const std::optional<std::string> wrong = fileCommandArguments.read(parser, positional, options))
        failUsage(parser, *wrong);
    if (const std::optional<std::string> wrong = exportArguments.read(parser, positional, options))
        failUsage(parser, *wrong);
    if (positional.size() > 1)
        failUsage(parser, QCoreApplication::translate("command_line", "give at most one ROM image").toStdString());
    options.demo = parser.isSet(demo);
    if (!positional.isEmpty()) {
        if (options.demo)
            failUsage(parser,
                      QCoreApplication::translate("command_line", "give either a ROM image or --demo, not both")
                          .toStdString());
        // The name's bytes as given: no conversion on the way.
        options.romPath = argumentBytes(positional.first());
    }
    if (parser.isSet(screenshot))
        options.screenshot = argumentBytes(parser.value(screenshot));
    if (parser.isSet(view)) {
        bool ok = false;
        const int n = parser.value(view).toInt(&ok);
        if (!ok || n < 0 || n >= kViewCount)
            failUsage(parser,
                      QCoreApplication::translate("command_line", "--view takes a number from 0 to 4").toStdString());
        options.view = n;
    }
    if (parser.isSet(emulator))
        options.emulator = parser.value(emulator).toStdString();
    if (parser.isSet(objectNames))
        options.objectNames = argumentBytes(parser.value(objectNames));
    options.reportFirstFrame = parser.isSet(reportFirstFrame);
    if (parser.isSet(paletteFile))
        usePaletteFile(argumentBytes(parser.value(paletteFile)));
    if (parser.isSet(exportPalette))
        options.exportPalette = argumentBytes(parser.value(exportPalette));
    return options;
}

bool displayAvailable()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}
