// Loading and saving the demo image. Saving is measured twice: once without its waits
// for the disk (the goal is 2 ms for each of load and save) and once whole.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "rom/save_rom.h"

namespace {

// A demo image in a folder of its own, removed afterwards.
class DemoFile {
public:
    DemoFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder_ = pattern;
        path_ = (folder_ / "demo.nes").string();
        writeDemoImage(path_);
    }
    ~DemoFile() { std::filesystem::remove_all(folder_); }
    const std::string& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void BM_LoadRom(benchmark::State& state)
{
    const DemoFile file;
    auto editor = std::make_unique<EDITOR>();
    for (auto _ : state) {
        editor->loadRom(file.path());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LoadRom)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Time of a save less its waits for the disk (the flush and the rename), which are
// reported as fsync_ms and rename_ms per save.
void BM_SaveRom(benchmark::State& state)
{
    const DemoFile file;
    auto editor = std::make_unique<EDITOR>();
    editor->loadRom(file.path());
    SyncTiming waits;
    for (auto _ : state) {
        SyncTiming timing;
        const auto start = std::chrono::steady_clock::now();
        saveRomImage(*editor, file.path(), {}, &timing);
        const std::chrono::duration<double> total = std::chrono::steady_clock::now() - start;
        const std::chrono::duration<double> waited = timing.flush + timing.rename;
        state.SetIterationTime(total.count() - waited.count());
        waits.flush += timing.flush;
        waits.rename += timing.rename;
    }
    using Ms = std::chrono::duration<double, std::milli>;
    state.counters["fsync_ms"] = benchmark::Counter(Ms(waits.flush).count(), benchmark::Counter::kAvgIterations);
    state.counters["rename_ms"] = benchmark::Counter(Ms(waits.rename).count(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SaveRom)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The whole save as the user waits for it, flush included.
void BM_SaveRomWithFlush(benchmark::State& state)
{
    const DemoFile file;
    auto editor = std::make_unique<EDITOR>();
    editor->loadRom(file.path());
    for (auto _ : state)
        editor->saveRom(file.path());
}
BENCHMARK(BM_SaveRomWithFlush)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
