#include "shell/startup/startup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>

#include "demo/demo_image.h"
#include "jcode/readable_name.h"
#include "shell/main_window/application_commands.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/message_loop.h"
#include "shell/main_window/open_image.h"
#include "shell/main_window/qt_editor_host.h"
#include "shell/main_window/selections.h"
#include "shell/main_window/view_zoom.h"
#include "shell/main_window/window_procs.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/image_lock.h"
#include "shell/session/language.h"
#include "shell/session/object_names_source.h"
#include "shell/session/play_test.h"
#include "shell/session/settings.h"
#include "shell/session/unsaved_work_keeper.h"
#include "shell/startup/termination_signals.h"
#include "shell/windows/object_names_in_use.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/panels.h"
#include "shell/windows/script_runs.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

// Long enough for a dozen frames, so the picture shows a settled view.
constexpr int kScreenshotDelayMs = 250;

int screenshotExitCode = 0;

// The file is opened with the name's own bytes, which the toolkit's strings could not
// carry if they are not UTF-8; never blocking, in case the name is a FIFO.
bool writeScreenshot(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    return mainWindow->handle()->grab().save(&file, "PNG") && file.flush();
}

void saveScreenshot(const std::string& path)
{
    if (writeScreenshot(path)) {
        const std::string line =
            fillIn(QCoreApplication::translate("startup", "screenshot written to %1").toStdString(),
                   {readableName(canonicalImagePath(path))});
        std::printf("%s\n", line.c_str());
    } else {
        const std::string line =
            fillIn(QCoreApplication::translate("startup", "cannot write the screenshot to %1").toStdString(),
                   {readableName(path)});
        std::printf("%s\n", line.c_str());
        screenshotExitCode = 1;
    }
    std::fflush(stdout);
    PostQuitMessage(0);
}

// Prints when the window's first picture with a composed view is done, the panels
// beside the editing area painted too, then ends the run.
void reportFirstFrame()
{
    setEditAreaPaintObserver([] {
        if (applicationHost().viewsShown() == 0)
            return;
        setEditAreaPaintObserver({});
        // After the rest of the window's paint and its flush, which end before the
        // event loop takes the next event.
        QTimer::singleShot(0, [] {
            std::printf("first painted frame at %lld ms\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            PostQuitMessage(0);
        });
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

}  // namespace

int chooseRomImage(const RomChooser& choose, const RomChooser& chooseAgain)
{
    std::optional<std::string> path = choose();
    while (path && !mayOpenImage(*path))
        path = chooseAgain ? chooseAgain() : choose();
    if (!path) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate("startup", "file reading error")));
        std::fflush(stdout);
        return -1;
    }
    beginImage(*path);
    return 0;
}

int runEditor(const StartOptions& options, const RomChooser& chooser)
{
    screenshotExitCode = 0;
    setEmulatorOption(options.emulator);
    // No one would see a box in a scripted screenshot run or without a display, and the
    // run would wait on it for ever: errors are printed and end the run with code 1.
    const bool unattended = options.unattended || options.screenshot || options.reportFirstFrame;
    setReportsWithoutBoxes(unattended);
    // A run no one watches neither reads nor changes what the user's runs remember; one
    // that times the first frame starts as the user's would, panels and all, and
    // changes nothing.
    const bool asLeft = !unattended || options.reportFirstFrame;
    if (options.reportFirstFrame)
        readSettingsOnly();
    else
        useSettings(!unattended);
    // The language chosen in View > Language, kept over the system's.
    if (asLeft)
        useLanguage(preferredLanguage());
    try {
        // After a Cancel the file choice is the dialog's, also for an image named on
        // the command line.
        if (chooseRomImage(romSource(options, chooser), chooser) != 0) {
            releaseUi();
            return 0;
        }
        buildUi(commandEnabled);
        useStartingObjectNames(options.objectNames, romPath);
        quitOnTerminationSignals();
        if (options.view) {
            tabControl->sendMessage(TCM_SETCURSEL, WPARAM(*options.view), 0);
            applySelections();
        }
        if (asLeft) {
            // The zoom and the arrangement kept from the last run; the first time, the
            // largest zoom at which the whole window fits the screen.
            const bool firstStart = savedArrangement().geometry.isEmpty();
            setZoom(firstStart ? largestZoomThatFits() : savedZoom());
            reopenPanels(restoreArrangement());
        }
        if (options.screenshot)
            QTimer::singleShot(kScreenshotDelayMs, [path = *options.screenshot] { saveScreenshot(path); });
        QTimer::singleShot(0, [] {
            offerKeptEdits();
            updateWindowTitle();
        });
        if (options.reportFirstFrame)
            reportFirstFrame();
        // The window's first paint shows the view, not an empty editing area that the
        // frame clock would fill a period later.
        theEditor.refresh(0);
        runMessageLoop();
        keepUnsavedWorkNow();
    } catch (const std::exception& error) {
        keepUnsavedWorkNow();
        reportError(error.what());
        if (unattended)
            screenshotExitCode = 1;
    }
    endImage();
    setEditAreaPaintObserver({});
    releaseUi();
    // Emulators still running have read their copy already.
    removePlaytestCopies();
    setReportsWithoutBoxes(false);
    useSettings(false);
    return screenshotExitCode;
}

void releaseUi()
{
    delete uiFont;
    uiFont = nullptr;
    if (mainWindow && mainWindow->handle()) {
        saveWindowPosition(mainWindow->handle()->frameGeometry().topLeft());
        keepArrangement();
    }
    // The editor must no longer reach controls that are going away.
    theEditor.setHost(nullptr);
    releasePanels();
    endScripts();
    tabControl.reset();
    editArea.reset();
    mainWindow.reset();
}
