// Pasting a whole map set and filling a whole half sheet of chip sets, each as the
// whole user action: the key, the edit and the undo step the history records for it.
#include <cstdio>
#include <string>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "clipboard/selection_text.h"
#include "demo/demo_image.h"
#include "edit/clipboard_commands.h"
#include "edit/selection_editing.h"
#include "edit/undo_redo.h"
#include "edit/virtual_keys.h"
#include "model/editor.h"

namespace {

// A host whose clipboard holds a text and whose Ctrl key is held.
class ClipboardHost : public NullEditorHost {
public:
    std::string text;
    bool ctrl = false;
    bool isKeyDown(int key) const override { return ctrl && key == VK_CONTROL; }
    std::string readClipboard() override { return text; }
};

struct DemoEditor {
    DemoEditor()
    {
        const std::string path = "/tmp/quarrix_clipboard_bench_" + std::to_string(::getpid()) + ".nes";
        writeDemoImage(path);
        editor.loadRom(path);
        std::remove(path.c_str());
        editor.setHost(&host);
        editor.history.start(editor);
    }

    ClipboardHost host;
    EDITOR editor;
};

void BM_PasteWholeMapSet(benchmark::State& state)
{
    DemoEditor demo;
    EDITOR& e = demo.editor;
    e.curTab = kViewMapSet;
    Selection whole;
    whole.view = kViewMapSet;
    whole.stage = 0;
    whole.anchor = {3, 0, 0};
    whole.end = {3, 7, 7};
    const std::string first = selectionText(copyItems(e, whole));
    whole.anchor.group = whole.end.group = 4;
    const std::string second = selectionText(copyItems(e, whole));
    demo.host.ctrl = true;
    bool odd = false;
    for (auto _ : state) {
        // Two different map sets in turn, so that every paste changes all 64 cells.
        demo.host.text = (odd = !odd) ? first : second;
        e.onKeyDown('V', 0);
        recordUserAction(e);
    }
}
BENCHMARK(BM_PasteWholeMapSet);

void BM_FillWholeHalfSheet(benchmark::State& state)
{
    DemoEditor demo;
    EDITOR& e = demo.editor;
    e.curTab = kViewChipSet;
    for (auto _ : state) {
        e.curChip = (e.curChip + 1) & 0xFF;
        demo.host.ctrl = true;
        e.onKeyDown('A', 0);  // the half sheet
        demo.host.ctrl = false;
        e.onKeyDown('E', 0);  // the chip into the top-left quadrant of all 128
        recordUserAction(e);
    }
}
BENCHMARK(BM_FillWholeHalfSheet);

}  // namespace
