// The key and mouse reference against what the editor does: every key it lists acts,
// every other key does nothing, and the mouse acts exactly in the areas it names.

#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "edit/key_reference.h"
#include "edit/mouse_areas.h"
#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "editing_fixture.h"

namespace {

constexpr int kStage = 5;

// A key as the reference spells it, with its modifiers.
struct Combo {
    bool ctrl;
    bool shift;
    int key;
    auto operator<=>(const Combo&) const = default;
};

class ReferenceTest : public EditingTest {
protected:
    // A state in which every key and button that has an action visibly changes
    // something: no selection at a bound, no cell already holding what would be put.
    void prepare(int tab, bool withHistory = false)
    {
        editor->curStage = host.stageSelection = kStage;
        editor->curPalSet = host.paletteSelection = 1;
        view(tab);
        host.scrollMax = tab == kViewMapSet ? 30 : 46;
        editor->viewPos = host.scrollPos = 3;
        editor->cursorCol = editor->cursorRow = 4;
        editor->curChipSet = 0x21;
        editor->curChip = 0x42;
        editor->curTile = 0x63;
        fillObjects(3);
        editor->curObject = 1;
        editor->pageSet[kStage][3] = 0;
        for (int m : {3, 4})
            std::fill(std::begin(editor->mapSet[kStage][m]), std::end(editor->mapSet[kStage][m]), 0x11);
        editor->chipSet[kStage][0x21][0] = 1, editor->chipSet[kStage][0x21][1] = 2;
        editor->chipSet[kStage][0x21][2] = 3, editor->chipSet[kStage][0x21][3] = 4;
        editor->chip[kStage][0x42] = ChipRecord{{5, 6, 7, 8}, 0, 0};
        // A use of the chip set and of the chip elsewhere, for U to go to.
        editor->mapSet[kStage][10][0] = 0x21;
        editor->chipSet[kStage][0x50][0] = 0x42;
        if (!withHistory)
            return;
        // A step to undo and one to redo, for the Ctrl keys.
        editor->history.start(*editor);
        for (int page : {10, 11}) {
            editor->pageSet[kStage][page] ^= 1;
            recordUserAction(*editor);
        }
        undoEdit(*editor);
    }

    // Everything a key or the mouse can change, on the current stage, and everything
    // the editor can ask of the host.
    std::string state() const
    {
        std::ostringstream out;
        const EDITOR& e = *editor;
        out << e.viewPos << ' ' << e.curStage << ' ' << e.curTab << ' ' << e.curPalSet << ' ' << e.curChipSet << ' '
            << e.curChip << ' ' << e.curTile << ' ' << e.curObject << ' ' << e.cursorCol << ' ' << e.cursorRow << ' '
            << host.scrollPositionsSet.size() << ' ' << host.applySelectionsCalls << ' ' << host.buttonsClicked.size()
            << ' ' << host.keyReferenceToggles << ' ' << host.playTests << ' ' << host.messages.size() << ' '
            << host.clipboardWrites << ' ' << host.usageWindowToggles << ' ' << host.replacementQuestions.size() << ' '
            << host.patchExports << ' ' << host.stageExports << ' ' << host.stageImports << ' '
            << host.coloursWindowToggles << '\n';
        const Selection& s = e.selection;
        out << s.view << ' ' << s.anchor.group << ' ' << s.anchor.column << ' ' << s.anchor.row << ' ' << s.end.column
            << ' ' << s.end.row << ' ' << s.extending << ' ' << s.dragging << '\n';
        auto bytes = [&out](const void* data, std::size_t size) {
            out.write(static_cast<const char*>(data), long(size));
        };
        bytes(e.pageSet[kStage], sizeof e.pageSet[kStage]);
        bytes(e.mapSet[kStage], sizeof e.mapSet[kStage]);
        bytes(e.object[kStage], sizeof e.object[kStage]);
        bytes(e.chip[kStage], sizeof e.chip[kStage]);
        bytes(e.chipSet[kStage], sizeof e.chipSet[kStage]);
        return out.str();
    }

    // Only the keys expected to act get something to undo and redo; building that
    // history for every other key would cost more than the whole rest of the sweep.
    // With a selection, one being extended from the current item is made first.
    bool keyActs(int tab, Combo combo, bool withHistory = false, bool withSelection = false)
    {
        prepare(tab, withHistory);
        if (withSelection)
            toggleSelecting(*editor);
        const std::string before = state();
        if (combo.ctrl)
            host.press(VK_CONTROL);
        if (combo.shift)
            host.press(VK_SHIFT);
        editor->onKeyDown(combo.key, 0);
        host.releaseAll();
        return state() != before;
    }

    bool mouseActs(int tab, int x, int y, int button)
    {
        prepare(tab);
        const std::string before = state();
        if (button != 0)
            host.press(button);
        editor->onMouse(x, y);
        host.releaseAll();
        return state() != before;
    }
};

// The combos that the reference of a view lists: every "Ctrl+Shift+X" of its inputs.
std::set<Combo> listedCombos(const std::vector<ReferenceSection>& reference)
{
    std::map<std::string, int> codes;
    for (int key = 1; key < 256; ++key)
        if (keyName(key).rfind("key ", 0) != 0)
            codes[keyName(key)] = key;
    std::set<Combo> combos;
    for (const ReferenceSection& section : reference)
        for (const ReferenceEntry& entry : section.entries) {
            std::istringstream tokens(entry.input);
            for (std::string token; std::getline(tokens >> std::ws, token, ',');) {
                Combo combo{false, false, 0};
                if (token.rfind("Ctrl+", 0) == 0)
                    combo.ctrl = true, token.erase(0, 5);
                if (token.rfind("Shift+", 0) == 0)
                    combo.shift = true, token.erase(0, 6);
                if (const auto found = codes.find(token); found != codes.end()) {
                    combo.key = found->second;
                    combos.insert(combo);
                }
            }
        }
    return combos;
}

}  // namespace

TEST_F(ReferenceTest, EveryListedKeyActsAndEveryOtherKeyDoesNothing)
{
    for (int tab = 0; tab < kViewCount; ++tab) {
        const std::set<Combo> listed = listedCombos(keyReference(tab));
        // A key acts without a selection, or with one (Escape).
        for (const Combo& combo : listed)
            EXPECT_TRUE(keyActs(tab, combo, true) || keyActs(tab, combo, true, true))
                << "view " << tab << ": " << (combo.ctrl ? "Ctrl+" : "") << (combo.shift ? "Shift+" : "")
                << keyName(combo.key);
        for (bool ctrl : {false, true})
            for (bool shift : {false, true})
                for (int key = 1; key < 256; ++key) {
                    // A key listed without Shift acts alike with Shift unless the
                    // reference gives it a Shift row of its own.
                    const bool covered = listed.count({ctrl, shift, key}) || listed.count({ctrl, false, key});
                    if (!covered) {
                        EXPECT_FALSE(keyActs(tab, {ctrl, shift, key}) || keyActs(tab, {ctrl, shift, key}, false, true))
                            << "view " << tab << ": unlisted " << (ctrl ? "Ctrl+" : "") << (shift ? "Shift+" : "")
                            << keyName(key);
                    }
                }
    }
}

TEST_F(ReferenceTest, MouseActsInTheListedAreasAndNowhereElse)
{
    for (int tab = 0; tab < kViewCount; ++tab) {
        const auto areas = mouseAreas(tab);
        // The reference names each action of each area once.
        std::size_t actions = 0;
        for (const MouseArea& area : areas) {
            const int x = area.area.x + area.area.width / 2;
            const int y = area.area.y + area.area.height / 2;
            EXPECT_EQ(mouseActs(tab, x, y, 0), area.pointer != nullptr) << area.name;
            EXPECT_EQ(mouseActs(tab, x, y, VK_LBUTTON), area.pointer || area.left) << area.name;
            EXPECT_EQ(mouseActs(tab, x, y, VK_RBUTTON), area.pointer || area.right) << area.name;
            actions += (area.pointer != nullptr) + (area.left != nullptr) + (area.right != nullptr) +
                (area.shiftDrag != nullptr);
        }
        const auto reference = keyReference(tab);
        EXPECT_EQ(reference[1].entries.size(), std::max<std::size_t>(actions, 1)) << "view " << tab;

        // A coarse grid, and the pixels just outside each area's corners and edges.
        std::vector<std::pair<int, int>> outside;
        for (int y = -16; y < 600; y += 24)
            for (int x = -16; x < 600; x += 24)
                outside.emplace_back(x, y);
        for (const MouseArea& a : areas)
            for (int x : {a.area.x - 1, a.area.x + a.area.width / 2, a.area.x + a.area.width})
                for (int y : {a.area.y - 1, a.area.y + a.area.height / 2, a.area.y + a.area.height})
                    outside.emplace_back(x, y);
        for (auto [x, y] : outside) {
            const bool inside =
                std::any_of(areas.begin(), areas.end(), [&](const MouseArea& a) { return a.area.contains(x, y); });
            if (inside)
                continue;
            for (int button : {0, VK_LBUTTON, VK_RBUTTON})
                EXPECT_FALSE(mouseActs(tab, x, y, button)) << "view " << tab << " at " << x << ", " << y;
        }
    }
}
