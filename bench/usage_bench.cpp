// What the usage counts cost: the full recount of a stage after its tables change, the
// check that finds them unchanged (run after every user action while the F2 window is
// open), and U's jump to the next use. The frame clock's path reaches none of them.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "demo/demo_image.h"
#include "edit/usage_jump.h"
#include "edit/usage_subject.h"
#include "model/editor.h"
#include "usage/stage_usage.h"
#include "usage/usage_cache.h"

namespace {

std::unique_ptr<EDITOR> demoEditor()
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quarrix_usage_bench_" + std::to_string(::getpid()) + ".nes");
    writeDemoImage(path.string());
    auto editor = std::make_unique<EDITOR>();
    editor->loadRom(path.string());
    std::filesystem::remove(path);
    return editor;
}

void BM_RecountStage(benchmark::State& state)
{
    const auto editor = demoEditor();
    for (auto _ : state)
        benchmark::DoNotOptimize(countStageUsage(*editor, 0));
}
BENCHMARK(BM_RecountStage);

void BM_CountsFoundUnchanged(benchmark::State& state)
{
    const auto editor = demoEditor();
    StageUsageCache cache;
    cache.usage(*editor, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(&cache.usage(*editor, 0));
}
BENCHMARK(BM_CountsFoundUnchanged);

// "MAP SET", from the first cell of the demo's most used chip set to the next; the
// jump lists the uses from all of the stage's cells each time.
void BM_JumpToNextUse(benchmark::State& state)
{
    const auto editor = demoEditor();
    editor->curTab = kViewMapSet;
    const StageUsage usage = countStageUsage(*editor, 0);
    const auto& times = usage.of(ItemKind::ChipSet).namedTimes;
    const int most = int(std::max_element(times.begin(), times.end()) - times.begin());
    const std::vector<ItemUse> uses = usesOf(*editor, 0, ItemKind::ChipSet, most);
    for (auto _ : state) {
        editor->viewPos = uses.front().holder;
        editor->cursorCol = uses.front().column;
        editor->cursorRow = uses.front().row;
        jumpToUse(*editor, +1);
        benchmark::DoNotOptimize(editor->cursorCol);
    }
    state.counters["uses"] = double(uses.size());
}
BENCHMARK(BM_JumpToNextUse);

}  // namespace
