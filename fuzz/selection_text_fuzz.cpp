// The clipboard's text of copied items on any bytes: it is refused with a reason, or
// it gives items that fit their view's grid, that write back as the same items, and
// that paste into an editor without a refusal of another view.

#include <string_view>
#include <vector>

#include "clipboard/selection_text.h"
#include "demo/demo_image.h"
#include "edit/clipboard_commands.h"
#include "fuzz/fuzz_target.h"
#include "model/editor.h"
#include "rom/load_rom.h"

namespace {

EDITOR& demoEditor()
{
    static EDITOR* editor = [] {
        auto* made = new EDITOR;
        loadRomImage(*made, makeDemoImage());
        return made;
    }();
    return *editor;
}

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    EDITOR& editor = demoEditor();
    std::vector<FuzzSeed> seeds;
    const char* names[kViewCount] = {"pages", "objects", "cells", "chip-sets", "chips"};
    for (int view = 0; view < kViewCount; ++view) {
        Selection selection;
        selection.view = view;
        selection.stage = 0;
        selection.anchor = {view == kViewMapSet ? 3 : 0, 1, 0};
        selection.end = {selection.anchor.group, view == kViewMap || view == kViewObject ? 4 : 3, view < 2 ? 0 : 2};
        seeds.push_back({names[view], bytesOf(selectionText(copyItems(editor, selection)))});
    }
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ReadSelection read = readSelectionText(text);
    if (read.problem != SelectionTextProblem::None) {
        fuzzRequire(read.problem != SelectionTextProblem::Damaged || !read.detail.empty(), "damage without a reason");
        return 0;
    }
    const CopiedItems& items = read.items;
    fuzzRequire(items.bytes.size() == std::size_t(items.count()) * std::size_t(itemBytes(items.view)),
                "items of the wrong size accepted");
    fuzzRequire(readSelectionText(selectionText(items)).items.bytes == items.bytes,
                "accepted items do not write back as themselves");
    EDITOR& editor = demoEditor();
    // The kinds of the side windows are refused in every view.
    editor.curTab = items.view < kViewCount ? items.view : kViewChip;
    editor.curStage = 1;
    editor.viewPos = 20;
    editor.cursorCol = 5, editor.cursorRow = 6;
    editor.curChipSet = 0x77, editor.curChip = 0xEE, editor.curObject = 0;
    pasteItems(editor, items);
    return 0;
}
