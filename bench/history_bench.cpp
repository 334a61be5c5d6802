// What undo history and the keeping of unsaved edits add to the editor's work: one
// user action that changes nothing (a pointer movement), one that edits a cell, and
// writing the recovery file. The frame clock's path does not reach either.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "demo/demo_image.h"
#include "edit/undo_redo.h"
#include "model/editor.h"
#include "state/unsaved_work.h"

namespace {

struct DemoSession {
    DemoSession()
    {
        folder = std::filesystem::temp_directory_path() / ("quarrix_history_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        ::setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
        imagePath = (folder / "demo.nes").string();
        writeDemoImage(imagePath);
        editor.loadRom(imagePath);
        editor.history.start(editor);
        work = std::make_unique<UnsavedWork>(imagePath);
    }
    ~DemoSession() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string imagePath;
    EDITOR editor;
    std::unique_ptr<UnsavedWork> work;
};

void BM_UserActionWithoutChange(benchmark::State& state)
{
    DemoSession session;
    for (auto _ : state) {
        recordUserAction(session.editor);
        session.work->afterAction(session.editor, UnsavedWork::Clock::now());
    }
}
BENCHMARK(BM_UserActionWithoutChange);

// A cell painted: one byte differs, the step is kept, the recovery file scheduled.
void BM_UserActionWithEdit(benchmark::State& state)
{
    DemoSession session;
    std::uint8_t value = 0;
    for (auto _ : state) {
        session.editor.mapSet[3][7][12] = ++value;
        recordUserAction(session.editor);
        session.work->afterAction(session.editor, UnsavedWork::Clock::now());
    }
}
BENCHMARK(BM_UserActionWithEdit);

void BM_UndoAndRedo(benchmark::State& state)
{
    DemoSession session;
    session.editor.createSurfaces();
    session.editor.mapSet[3][7][12] ^= 1;
    recordUserAction(session.editor);
    for (auto _ : state) {
        undoEdit(session.editor);
        redoEdit(session.editor);
    }
}
BENCHMARK(BM_UndoAndRedo);

// Includes flushing the file to disk, which is most of it.
void BM_WriteRecoveryFile(benchmark::State& state)
{
    DemoSession session;
    std::uint8_t value = 0;
    for (auto _ : state) {
        session.editor.mapSet[3][7][12] = ++value | 1;
        recordUserAction(session.editor);
        session.work->keep(session.editor);
    }
}
BENCHMARK(BM_WriteRecoveryFile)->Unit(benchmark::kMillisecond);

}  // namespace
