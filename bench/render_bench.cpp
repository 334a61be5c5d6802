#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "demo/demo_image.h"
#include "edit/colour_editing.h"
#include "model/editor.h"
#include "render/animation_wait.h"
#include "render/stage_overview.h"

namespace {

// The editor as the application has it after start-up on the demo image: loaded,
// palette set 0 applied, surfaces created and the static chips drawn. The demo stages
// have animated water or lava, so every refresh also redraws animated chips.
std::unique_ptr<EDITOR> makeDemoEditor()
{
    const std::vector<std::uint8_t> image = makeDemoImage();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quarrix_render_bench_" + std::to_string(::getpid()) + ".nes");
    {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        if (!file)
            throw std::runtime_error("unable to write the demo image to " + path.string());
    }
    auto editor = std::make_unique<EDITOR>();
    editor->loadRom(path.string());
    std::filesystem::remove(path);
    editor->selectPaletteSet(0);
    editor->createSurfaces();
    editor->drawChips();
    return editor;
}

EDITOR& demoEditor()
{
    static const std::unique_ptr<EDITOR> editor = makeDemoEditor();
    return *editor;
}

// One refresh as the 16 ms frame clock runs it, for each view: "MAP", "OBJECT",
// "MAP SET", "CHIP SET" and "CHIP". Taking the view's pixels writable after each marks
// the view as drawn on, so every refresh composes it in full.
void refreshView(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    editor.curTab = int(state.range(0));
    editor.viewPos = 0;
    editor.curChipSet = 0x93;
    editor.curChip = 0x21;
    editor.curTile = 0x42;
    for (auto _ : state) {
        editor.refresh(1);
        benchmark::DoNotOptimize(editor.viewSurface.data());
        benchmark::ClobberMemory();
    }
}

// A refresh of an idle frame: nothing changed since the last one, so it only shows the
// view again.
void refreshIdleView(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    editor.curTab = int(state.range(0));
    editor.refresh(0);
    for (auto _ : state) {
        editor.refresh(0);
        benchmark::DoNotOptimize(std::as_const(editor.viewSurface).data());
        benchmark::ClobberMemory();
    }
}

// A frame of the animation alone, as the frame clock wakes for it: the palette moved on
// and nothing else changed, so the view is drawn again only where that shows.
void refreshAnimationFrame(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    editor.curTab = int(state.range(0));
    editor.viewPos = 0;
    editor.refresh(1);
    for (auto _ : state) {
        editor.refresh(ticksUntilAnimationChange(editor).value_or(1));
        benchmark::DoNotOptimize(std::as_const(editor.viewSurface).data());
        benchmark::ClobberMemory();
    }
}

// The part of every refresh that does not depend on the view.
void rebuildChipSets(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    for (auto _ : state) {
        editor.drawChipSets();
        benchmark::ClobberMemory();
    }
}

// The chip-set sheet drawn anew from every chip, as after a stage change.
void rebuildAllChipSets(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    for (auto _ : state) {
        editor.createSurfaces();
        editor.drawChips();
        editor.drawChipSets();
        benchmark::ClobberMemory();
    }
}

// What a stage, palette-set or tab change adds: every static chip redrawn.
void redrawStaticChips(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    for (auto _ : state) {
        editor.drawChips();
        benchmark::ClobberMemory();
    }
}

// What the overview window does after an edit: the frame that brings the chip-set
// sheet up to date, then the 48 pages reduced to the given chip size, with objects.
void redrawOverview(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    OverviewOptions options;
    options.chipPixels = int(state.range(0));
    options.withObjects = true;
    options.framedPages = {0, 1};
    for (auto _ : state) {
        editor.refresh(0);
        Surface overview = stageOverview(editor, options);
        benchmark::DoNotOptimize(overview.data());
    }
}

// A colour of the shown palette set stepped in the Colours window, through to the next
// frame of "CHIP" that shows it: the edit with its undo step, the chips drawn again in
// the new colour and the view composed.
void colourChangeToChipFrame(benchmark::State& state)
{
    EDITOR& editor = demoEditor();
    editor.curTab = kViewChip;
    editor.curPalSet = 0;
    editor.history.start(editor);
    editor.refresh(0);
    const ColourCursor cursor{0, 4 + 1};  // set 0, sub-palette 1, colour 1
    for (auto _ : state) {
        stepSlot(editor, cursor, +1);
        editor.refresh(0);
        benchmark::DoNotOptimize(std::as_const(editor.viewSurface).data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(redrawOverview)->Arg(1)->Arg(2)->Arg(4)->ArgName("chip")->Unit(benchmark::kMicrosecond);
BENCHMARK(colourChangeToChipFrame)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(refreshView)->DenseRange(kViewMap, kViewChip)->ArgName("view")->Unit(benchmark::kMicrosecond);
BENCHMARK(refreshIdleView)->DenseRange(kViewMap, kViewChip)->ArgName("view")->Unit(benchmark::kMicrosecond);
BENCHMARK(refreshAnimationFrame)->DenseRange(kViewMap, kViewChip)->ArgName("view")->Unit(benchmark::kMicrosecond);
BENCHMARK(rebuildChipSets)->Unit(benchmark::kMicrosecond);
BENCHMARK(rebuildAllChipSets)->Unit(benchmark::kMicrosecond);
BENCHMARK(redrawStaticChips)->Unit(benchmark::kMicrosecond);
