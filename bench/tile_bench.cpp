#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include <benchmark/benchmark.h>

#include "demo/demo_image.h"
#include "edit/tile_editing.h"
#include "model/editor.h"
#include "rom/load_rom.h"

namespace {

// The demo image loaded and shown on the "CHIP" view, with the current stage's tile
// that the most other tiles, of this stage and the others, are loaded from the same
// bytes as: each pixel drawn on it changes all of them.
struct SharedTile {
    std::unique_ptr<EDITOR> editor = std::make_unique<EDITOR>();
    int stage = 0;
    int tile = 0;
    std::size_t sharing = 0;
};

SharedTile makeSharedTile()
{
    SharedTile shared;
    EDITOR& editor = *shared.editor;
    loadRomImage(editor, makeDemoImage());
    for (int s = 0; s < kStageCount; ++s)
        for (int t = 0; t < kTileCount; ++t)
            if (tileDrawingRefusal(editor, s, t).empty()) {
                const std::size_t sharing = tilesSharingSource(editor, s, t).size();
                if (sharing > shared.sharing)
                    shared = {std::move(shared.editor), s, t, sharing};
            }
    if (shared.sharing == 0)
        throw std::runtime_error("the demo image shares no tile source between stages");
    editor.curStage = shared.stage;
    editor.curTab = kViewChip;
    editor.curTile = shared.tile;
    editor.selectPaletteSet(0);
    editor.createSurfaces();
    editor.drawChips();
    editor.refresh(0);
    return shared;
}

// One pixel drawn, through to the next frame shown: the tiles of every stage that
// share its source, the chips, the chip sets and the view.
void drawOnePixel(benchmark::State& state)
{
    static SharedTile shared = makeSharedTile();
    EDITOR& editor = *shared.editor;
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 4;
        setTilePixel(editor, shared.stage, shared.tile, 3, 4, value);
        editor.refresh(0);
        benchmark::DoNotOptimize(editor.viewSurface.data());
        benchmark::ClobberMemory();
    }
    state.counters["tiles changed"] = double(shared.sharing + 1);
    bool stages[kStageCount] = {};
    stages[shared.stage] = true;
    for (const TilePlace& place : tilesSharingSource(editor, shared.stage, shared.tile))
        stages[place.stage] = true;
    int stageCount = 0;
    for (const bool shown : stages)
        stageCount += shown;
    state.counters["stages"] = stageCount;
}
BENCHMARK(drawOnePixel)->Unit(benchmark::kMicrosecond);

}  // namespace
