#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/surface.h"

// Buttons of the main window that the keyboard can press.
enum class HostButton { Save, Reload, Exit };

// Icons of a message box.
enum class MessageIcon { Exclamation, Information };

// What the editor needs from the application around it. The desktop shell implements
// it with real widgets; tests implement it with a fake so that every editing and
// drawing path runs without a window.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    // Scrolling. setScrollPos moves the scroll bar to pos, copies it into the editor's
    // viewPos and refreshes the view once; scrollBy does the same with the position
    // moved by delta and kept within 0 and the current view's scroll maximum.
    virtual void setScrollPos(int pos) = 0;
    virtual void scrollBy(int delta) = 0;

    // Select an entry of the stage combo box, the palette combo box or the tab control
    // without any notification. The caller then runs applySelections itself.
    virtual void selectStage(int stage) = 0;
    virtual void selectPaletteEntry(int paletteSet) = 0;
    virtual void selectTab(int tab) = 0;
    // Copies the selections of the controls into the editor and lays out the view.
    virtual void applySelections() = 0;

    // Presses a main-window button as if it were clicked.
    virtual void clickButton(HostButton button) = 0;

    // F1: opens the list of the keys and mouse actions of the current view, or closes
    // it when it is open. It does not block the editor.
    virtual void toggleKeyReference() = 0;

    // F5: starts the emulator on a copy of the image that holds every stage as it is
    // now, saved or not, and leaves the image itself alone. A failure is reported to
    // the user and changes nothing else.
    virtual void playTest() = 0;

    // A modal message box owned by the main window, with a single OK button.
    virtual void messageBox(std::string_view text, std::string_view caption, MessageIcon icon) = 0;

    // Whether a key or mouse button is held down now, by Win32 virtual-key code
    // (VK_LBUTTON 0x01, VK_RBUTTON 0x02, VK_SHIFT 0x10, VK_CONTROL 0x11).
    virtual bool isKeyDown(int virtualKey) const = 0;

    // Draws text at (x, y) of surface, top-left aligned, in the platform's default
    // font, black on an opaque white background.
    virtual void drawText(Surface& surface, int x, int y, std::string_view text) = 0;

    // Marks the whole editing area for repainting.
    virtual void invalidateView() = 0;

    // Shows the composed view: the rectangles in copied reach the editing area at the
    // same coordinates, except the parts that lie in leftOut (the view's step buttons).
    virtual void showView(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut) = 0;
    // The same when only the pixels in changed can differ from the view as it was at
    // version since: a host that last showed that version and compares what it shows
    // need look at those pixels alone. A host that does not shows the whole view.
    virtual void showViewChanges(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut,
                                 std::span<const Rect> /*changed*/, std::uint64_t /*since*/)
    {
        showView(view, copied, leftOut);
    }

    // The desktop's clipboard, shared with other programs and other editors.
    // writeClipboard puts copied items there as their text, both in the editor's own
    // type and as plain text, with a picture of them. readClipboard returns the
    // editor's own type when the clipboard holds it, else its plain text, else "".
    virtual void writeClipboard(std::string_view text, const Surface& picture) = 0;
    virtual std::string readClipboard() = 0;
    // F2: opens the window that lists where the current item is used and which items
    // of the stage nothing uses, or closes it when it is open. It does not block the
    // editor.
    virtual void toggleUsageWindow() = 0;
    // F3: opens the window that edits the current stage's palette sets, or closes it.
    // It does not block the editor.
    virtual void toggleColoursWindow() = 0;

    // Asks, in a small modal dialog that shows prompt, for the number to put in place
    // of an item: two hexadecimal digits from 0 to highest, suggested offered first.
    // Nothing when the user cancels.
    virtual std::optional<int> askReplacement(std::string_view prompt, int suggested, int highest) = 0;
    // Ctrl+E: writes a patch (BPS or IPS) of every stage as it is now, saved or not,
    // against the image's original, asking for the original the first time and for
    // the patch file each time. Success and failure are told in a message box.
    virtual void exportPatch() = 0;

    // Ctrl+Shift+E: writes the current stage's tables as a stage file, asking where.
    // Ctrl+I: reads a stage file the user chooses into the current stage, as one step
    // of the undo history. A refused file changes nothing and says why in a message box.
    virtual void exportStageData() = 0;
    virtual void importStageData() = 0;
};

// A host with no application behind it: nothing is shown, no key is held and the
// selection calls change nothing. Used by tools and benchmarks that run the editor
// without a window.
class NullEditorHost : public EditorHost {
public:
    void setScrollPos(int) override {}
    void scrollBy(int) override {}
    void selectStage(int) override {}
    void selectPaletteEntry(int) override {}
    void selectTab(int) override {}
    void applySelections() override {}
    void clickButton(HostButton) override {}
    void toggleKeyReference() override {}
    void playTest() override {}
    void messageBox(std::string_view, std::string_view, MessageIcon) override {}
    bool isKeyDown(int) const override { return false; }
    void drawText(Surface&, int, int, std::string_view) override {}
    void invalidateView() override {}
    void showView(const Surface&, std::span<const Rect>, std::span<const Rect>) override {}
    void writeClipboard(std::string_view, const Surface&) override {}
    std::string readClipboard() override { return {}; }
    void toggleUsageWindow() override {}
    void toggleColoursWindow() override {}
    std::optional<int> askReplacement(std::string_view, int, int) override { return std::nullopt; }
    void exportPatch() override {}
    void exportStageData() override {}
    void importStageData() override {}
};
