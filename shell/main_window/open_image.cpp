#include "shell/main_window/open_image.h"

#include <exception>
#include <memory>
#include <stdexcept>

#include "edit/selection_editing.h"
#include "jcode/readable_name.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/selections.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/image_lock.h"
#include "shell/session/settings.h"
#include "shell/session/unsaved_work_keeper.h"
#include "shell/windows/open_image_dialog.h"
#include "state/save_with_backup.h"
#include "text/translation.h"

namespace {

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return readableName(slash == std::string::npos ? path : path.substr(slash + 1));
}

// Reads the image whole into an editor of its own: what would stop it from opening,
// or nothing.
std::optional<std::string> whyImageCannotOpen(const std::string& path)
{
    try {
        auto probe = std::make_unique<EDITOR>();
        probe->loadRom(path);
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

std::string cannotOpen(const std::string& path, const std::string& why)
{
    return fillIn(translated("open_image", "cannot open %1: %2"), {readableName(path), why});
}

// With unsaved edits: saves them, sets them aside or stays, as the user answers.
// Returns whether to go on.
bool settleUnsavedEdits()
{
    if (!theEditor.history.modified() || reportsWithoutBoxes())
        return true;
    const std::string question =
        fillIn(translated("open_image", "Save the changes to %1 before opening another image?"), {fileNameOf(romPath)});
    switch (ChoiceBoxA(boxOwner(), question.c_str(), "Quarrix Editor", translated("open_image", "Save").c_str(),
                       translated("open_image", "Discard").c_str(), translated("open_image", "Cancel").c_str())) {
    case IDYES: return saveImage();
    case IDNO: setUnsavedWorkAside(); return true;
    default: return false;
    }
}

}  // namespace

void beginImage(const std::string& path)
{
    // The name goes to the file layer with its bytes as given: re-detecting its
    // encoding could turn it into another name. Only messages show it converted.
    theEditor.loadRom(path);
    romPath = path;
    startKeepingUnsavedWork(romPath);
    noteRecentImage(romPath);
    refreshRecentMenu();
}

bool mayOpenImage(const std::string& path)
{
    if (reportsWithoutBoxes())
        return true;
    const std::optional<ImageLockHolder> holder = lockImage(path);
    return !holder ||
        QuestionBoxA(boxOwner(), alreadyOpenQuestion(path, *holder).c_str(), "Quarrix Editor",
                     translated("open_image", "Open").c_str(), translated("open_image", "Cancel").c_str()) == IDYES;
}

void endImage()
{
    keepUnsavedWorkNow();
    stopKeepingUnsavedWork();
    unlockImage();
}

bool openAnotherImage(const std::string& path)
{
    if (const auto why = whyImageCannotOpen(path)) {
        reportError(cannotOpen(path, *why).c_str());
        return false;
    }
    const std::string previous = romPath;
    // The lock first: a Cancel there must leave the edits as they are.
    if (!mayOpenImage(path) || !settleUnsavedEdits()) {
        if (!reportsWithoutBoxes())
            lockImage(previous);
        return false;
    }
    stopKeepingUnsavedWork();
    try {
        beginImage(path);
    } catch (const std::exception& error) {
        // The file changed since it was read: the tables are as they were.
        lockImage(previous);
        startKeepingUnsavedWork(previous);
        reportError(cannotOpen(path, error.what()).c_str());
        return false;
    }
    endSelection(theEditor);
    applySelections();
    updateWindowTitle();
    offerKeptEdits();
    updateWindowTitle();
    return true;
}

void chooseAnotherImage()
{
    std::optional<std::string> path;
    try {
        path = openRomDialog();
    } catch (const std::exception& error) {
        reportError(error.what());
        return;
    }
    if (path)
        openAnotherImage(*path);
}

// A failed Save or Reload leaves the program running: the user's unsaved edits and
// selections matter more than the file, and the box says what went wrong. A save
// whose backup could not be made has still saved; the box after it says so.
bool saveImage()
{
    try {
        const SaveResult result = saveRomWithBackup(theEditor, romPath);
        theEditor.history.markSaved();
        if (!result.copyProblem.empty())
            reportKeepFailure(fillIn(translated("open_image", "The image was saved, but %1"), {result.copyProblem}));
    } catch (const std::exception& error) {
        reportError(error.what());
        return false;
    }
    return true;
}

void reloadImage()
{
    // loadRom changes nothing unless the whole image could be read. What it changes
    // is a step of its own, apart from a stroke still open.
    theEditor.history.record(theEditor, false);
    try {
        theEditor.loadRom(romPath);
    } catch (const std::exception& error) {
        reportError(error.what());
        return;
    }
    theEditor.history.record(theEditor, false);
    theEditor.history.markSaved();
    applySelections();
}
