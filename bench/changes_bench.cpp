// The comparison of all sixteen stages with a baseline, as the Changes panel and the
// history's step names run it: with nothing changed, and after a day's work of edits
// spread over every stage and table.
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "changes/change_items.h"
#include "changes/change_marks.h"
#include "demo/demo_image.h"
#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

struct DemoEditor {
    DemoEditor()
    {
        const auto path =
            std::filesystem::temp_directory_path() / ("quarrix_changes_bench_" + std::to_string(::getpid()) + ".nes");
        writeDemoImage(path.string());
        editor.loadRom(path.string());
        std::filesystem::remove(path);
        baseline = editableTables(editor);
    }
    EDITOR editor;
    std::vector<std::uint8_t> baseline;
};

void BM_CompareAllStagesUnchanged(benchmark::State& state)
{
    DemoEditor demo;
    const std::vector<std::uint8_t> now = editableTables(demo.editor);
    for (auto _ : state)
        benchmark::DoNotOptimize(describeChanges(demo.baseline, now, demo.editor.tileSources));
}
BENCHMARK(BM_CompareAllStagesUnchanged);

void BM_CompareAllStagesWithEdits(benchmark::State& state)
{
    DemoEditor demo;
    EDITOR& e = demo.editor;
    for (int s = 0; s < kStageCount; ++s) {
        for (int i = 0; i < 8; ++i) {
            e.pageSet[s][i * 5] ^= 1;
            e.mapSet[s][i][i * 7] ^= 1;
            e.chipSet[s][i * 30][i % 4] ^= 1;
            e.chip[s][i * 31].palette ^= 1;
            e.object[s][i].x ^= 1;
            e.tileGfx[s][i * 32][i] ^= 1;
        }
        e.palSet[s][1].colour[2][3] ^= 1;
    }
    const std::vector<std::uint8_t> now = editableTables(e);
    state.counters["items"] = double(describeChanges(demo.baseline, now, e.tileSources).size());
    for (auto _ : state)
        benchmark::DoNotOptimize(describeChanges(demo.baseline, now, e.tileSources));
}
BENCHMARK(BM_CompareAllStagesWithEdits);

// What the open Changes panel adds to an edit: the tables compared with those counted
// last, and on a change counted again and marked for the views.
void BM_PanelFollowsAnEdit(benchmark::State& state)
{
    DemoEditor demo;
    ChangeMarks marks;
    std::vector<std::uint8_t> counted = editableTables(demo.editor);
    int value = 0;
    for (auto _ : state) {
        demo.editor.mapSet[3][5][value % kMapSetCells] ^= 1;
        ++value;
        if (firstTableDifference(demo.editor, counted) == counted.size())
            continue;
        counted = editableTables(demo.editor);
        benchmark::DoNotOptimize(describeChanges(demo.baseline, counted, demo.editor.tileSources));
        markChanges(marks, demo.baseline, counted);
    }
}
BENCHMARK(BM_PanelFollowsAnEdit);

}  // namespace
