#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/editor.h"

// A stand-in for the desktop shell. It keeps the selections of the combo boxes and
// the tab control, the scroll bar's range and position, records what the editor asks
// of it, and lets tests hold keys and mouse buttons down.
class FakeHost : public EditorHost {
public:
    explicit FakeHost(EDITOR& editor);
    ~FakeHost() override;

    struct Text {
        int x;
        int y;
        std::string text;
    };
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    // What the controls hold.
    int stageSelection = 0;
    int paletteSelection = 0;
    int tabSelection = 0;
    int scrollMax = 46;
    int scrollPos = 0;

    // What the editor asked for.
    std::vector<int> scrollPositionsSet;  // every setScrollPos and scrollBy result
    int applySelectionsCalls = 0;
    std::vector<HostButton> buttonsClicked;
    int keyReferenceToggles = 0;
    int playTests = 0;
    int patchExports = 0;
    int stageExports = 0;
    int stageImports = 0;
    std::vector<Message> messages;
    std::vector<Text> texts;  // texts drawn since the last clearTexts()
    int invalidations = 0;
    int viewsShown = 0;
    std::vector<Rect> lastCopied;
    std::vector<Rect> lastLeftOut;

    // Keys and mouse buttons held down, by virtual-key code.
    std::set<int> keysDown;
    void press(int virtualKey) { keysDown.insert(virtualKey); }
    void release(int virtualKey) { keysDown.erase(virtualKey); }
    void releaseAll() { keysDown.clear(); }

    void clearTexts() { texts.clear(); }
    // The text drawn at (x, y), or an empty string.
    std::string textAt(int x, int y) const;

    void setScrollPos(int pos) override;
    void scrollBy(int delta) override;
    void selectStage(int stage) override { stageSelection = stage; }
    void selectPaletteEntry(int paletteSet) override { paletteSelection = paletteSet; }
    void selectTab(int tab) override { tabSelection = tab; }
    // As the shell does: copies the selections into the editor, applies the palette
    // set, sets the scroll maximum for the view and redraws the chips.
    void applySelections() override;
    void clickButton(HostButton button) override { buttonsClicked.push_back(button); }
    void toggleKeyReference() override { ++keyReferenceToggles; }
    void playTest() override { ++playTests; }
    void messageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool isKeyDown(int virtualKey) const override { return keysDown.count(virtualKey) != 0; }
    void drawText(Surface& surface, int x, int y, std::string_view text) override;
    void invalidateView() override { ++invalidations; }
    void showView(const Surface& view, std::span<const Rect> copied, std::span<const Rect> leftOut) override;
    void exportPatch() override { ++patchExports; }
    void exportStageData() override { ++stageExports; }
    void importStageData() override { ++stageImports; }

    // The clipboard: what was last written, or what a test put there to paste.
    std::string clipboardText;
    Surface clipboardPicture;
    int clipboardWrites = 0;
    void writeClipboard(std::string_view text, const Surface& picture) override;
    std::string readClipboard() override { return clipboardText; }
    // F2, and the replacement dialog: every prompt is kept and answered with
    // replacementAnswer (nothing means Cancel).
    int usageWindowToggles = 0;
    struct ReplacementQuestion {
        std::string prompt;
        int suggested;
        int highest;
    };
    std::vector<ReplacementQuestion> replacementQuestions;
    std::optional<int> replacementAnswer;
    void toggleUsageWindow() override { ++usageWindowToggles; }
    void toggleColoursWindow() override { ++coloursWindowToggles; }
    int coloursWindowToggles = 0;
    std::optional<int> askReplacement(std::string_view prompt, int suggested, int highest) override
    {
        replacementQuestions.push_back({std::string(prompt), suggested, highest});
        return replacementAnswer;
    }

private:
    EDITOR& editor_;
};
