#include "shell/startup.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

#include "demo/demo_image.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/key_reference_window.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/play_test.h"
#include "shell/qt_editor_host.h"
#include "shell/termination_signals.h"
#include "shell/unsaved_work_keeper.h"
#include "shell/window_procs.h"

namespace {

// Long enough for a dozen frames, so the picture shows a settled view.
constexpr int kScreenshotDelayMs = 250;
constexpr const char* kDemoFileName = "quarrix-demo.nes";

int screenshotExitCode = 0;

void saveScreenshot(const std::string& path)
{
    const QString name = QFile::decodeName(path.c_str());
    if (mainWindow->handle()->grab().save(name, "PNG")) {
        std::printf("screenshot written to %s\n", qPrintable(QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath())));
    } else {
        std::printf("cannot write the screenshot to %s\n", path.c_str());
        screenshotExitCode = 1;
    }
    std::fflush(stdout);
    PostQuitMessage(0);
}

// Prints when the editing area first shows a composed view, then ends the run.
void reportFirstFrame()
{
    setEditAreaPaintObserver([] {
        if (applicationHost().viewsShown() == 0)
            return;
        setEditAreaPaintObserver({});
        std::printf("first painted frame at %lld ms\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        PostQuitMessage(0);
    });
}

RomChooser romSource(const StartOptions& options, const RomChooser& chooser)
{
    if (options.romPath)
        return [path = *options.romPath] { return std::optional<std::string>(path); };
    if (options.demo)
        return [] { return std::optional<std::string>(writeDemoRom()); };
    return chooser;
}

} // namespace

std::optional<std::string> openRomDialog()
{
    // One entry labelled "(*.*)" that offers every file, dotted or not.
    const QString path = QFileDialog::getOpenFileName(nullptr, QString(), QString(), "(*.*) (*)");
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

std::string writeDemoRom()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw std::runtime_error("cannot make the data folder '" + QFile::encodeName(folder).toStdString() + "'");
    const std::string path = QFile::encodeName(QDir(folder).filePath(kDemoFileName)).toStdString();
    writeDemoImage(path);
    return path;
}

int chooseRomImage(const RomChooser& choose)
{
    const std::optional<std::string> path = choose();
    if (!path) {
        std::printf("file reading error\n");
        std::fflush(stdout);
        return -1;
    }
    // Names on this platform are UTF-8 already: the name goes to the file layer as
    // chosen, since re-detecting its encoding could turn it into another name.
    romPath = *path;
    theEditor.loadRom(romPath);
    startKeepingUnsavedWork(romPath);
    return 0;
}

int runEditor(const StartOptions& options, const RomChooser& chooser)
{
    screenshotExitCode = 0;
    setEmulatorOption(options.emulator);
    try {
        if (chooseRomImage(romSource(options, chooser)) != 0) {
            releaseUi();
            return 0;
        }
        buildUi();
        quitOnTerminationSignals();
        if (options.view) {
            tabControl->sendMessage(TCM_SETCURSEL, WPARAM(*options.view), 0);
            applySelections();
        }
        if (options.screenshot)
            QTimer::singleShot(kScreenshotDelayMs, [path = *options.screenshot] { saveScreenshot(path); });
        else
            // A picture taken by a script must not wait for an answer, nor take one.
            QTimer::singleShot(0, [] { offerKeptEdits(); });
        if (options.reportFirstFrame)
            reportFirstFrame();
        runMessageLoop();
        keepUnsavedWorkNow();
    } catch (const std::exception& error) {
        keepUnsavedWorkNow();
        reportError(error.what());
    }
    stopKeepingUnsavedWork();
    setEditAreaPaintObserver({});
    releaseUi();
    // Emulators still running have read their copy already.
    removePlaytestCopies();
    return screenshotExitCode;
}

void releaseUi()
{
    delete uiFont;
    uiFont = nullptr;
    // The editor must no longer reach controls that are going away.
    theEditor.setHost(nullptr);
    closeKeyReference();
    tabControl.reset();
    editArea.reset();
    mainWindow.reset();
}
