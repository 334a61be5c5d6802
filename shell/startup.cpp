#include "shell/startup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

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
#include "shell/app_state.h"
#include "shell/colours_window.h"
#include "shell/error_report.h"
#include "shell/image_lock.h"
#include "shell/key_reference_window.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"
#include "shell/object_list_window.h"
#include "shell/object_names_source.h"
#include "shell/open_image.h"
#include "shell/overview_window.h"
#include "shell/play_test.h"
#include "shell/qt_editor_host.h"
#include "shell/settings.h"
#include "shell/side_window_place.h"
#include "shell/termination_signals.h"
#include "shell/tile_window.h"
#include "shell/unsaved_work_keeper.h"
#include "shell/usage_window.h"
#include "shell/view_zoom.h"
#include "shell/window_procs.h"
#include "state/state_folder.h"

namespace {

// Long enough for a dozen frames, so the picture shows a settled view.
constexpr int kScreenshotDelayMs = 250;
constexpr const char* kDemoFileName = "quarrix-demo.nes";

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
        std::printf("screenshot written to %s\n", readableName(canonicalImagePath(path)).c_str());
    } else {
        std::printf("cannot write the screenshot to %s\n", readableName(path).c_str());
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

}  // namespace

std::optional<std::string> openRomDialog()
{
    // One entry labelled "(*.*)" that offers every file, dotted or not.
    const QString path = QFileDialog::getOpenFileName(nullptr, QString(), QString(), "(*.*) (*)");
    if (path.isEmpty())
        return std::nullopt;
    const std::string name = QFile::encodeName(path).toStdString();
    // The dialog's strings cannot carry a name whose bytes are not UTF-8: what comes
    // back names another file, or none. Opening that instead would be wrong.
    if (path.contains(QChar::ReplacementCharacter) && ::access(name.c_str(), F_OK) != 0)
        throw std::runtime_error("the file dialog cannot pass on the name of '" + readableName(name) +
                                 "' because it is not UTF-8; name the file on the command line instead");
    return name;
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

int chooseRomImage(const RomChooser& choose, const RomChooser& chooseAgain)
{
    std::optional<std::string> path = choose();
    while (path && !mayOpenImage(*path))
        path = chooseAgain ? chooseAgain() : choose();
    if (!path) {
        std::printf("file reading error\n");
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
    // A run no one watches neither reads nor changes what the user's runs remember.
    useSettings(!unattended);
    try {
        // After a Cancel the file choice is the dialog's, also for an image named on
        // the command line.
        if (chooseRomImage(romSource(options, chooser), chooser) != 0) {
            releaseUi();
            return 0;
        }
        buildUi();
        useStartingObjectNames(options.objectNames, romPath);
        quitOnTerminationSignals();
        if (options.view) {
            tabControl->sendMessage(TCM_SETCURSEL, WPARAM(*options.view), 0);
            applySelections();
        }
        if (!unattended) {
            // The zoom kept from the last run, as far as this screen can show it.
            setZoom(savedZoom());
            if (sideWindowWasOpen("keys"))
                toggleKeyReference(theEditor.curTab);
            if (sideWindowWasOpen("usage"))
                toggleUsageWindow();
            if (sideWindowWasOpen("colours"))
                toggleColoursWindow();
            if (sideWindowWasOpen("objects"))
                toggleObjectList();
            if (sideWindowWasOpen("overview"))
                toggleOverviewWindow();
            if (sideWindowWasOpen("tiles"))
                toggleTileWindow();
        }
        if (options.screenshot)
            QTimer::singleShot(kScreenshotDelayMs, [path = *options.screenshot] { saveScreenshot(path); });
        QTimer::singleShot(0, [] {
            offerKeptEdits();
            updateWindowTitle();
        });
        if (options.reportFirstFrame)
            reportFirstFrame();
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
    if (mainWindow && mainWindow->handle())
        saveWindowPosition(mainWindow->handle()->frameGeometry().topLeft());
    // The editor must no longer reach controls that are going away.
    theEditor.setHost(nullptr);
    closeKeyReference();
    closeUsageWindow();
    closeOverviewWindow();
    closeObjectList();
    closeColoursWindow();
    closeTileWindow();
    tabControl.reset();
    editArea.reset();
    mainWindow.reset();
}
