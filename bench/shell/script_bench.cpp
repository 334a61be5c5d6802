// Scripts as the user runs them, each the whole run: the program evaluated, its writes
// checked and recorded as one undo step. Reading every map-set cell of all sixteen
// stages and writing each back changed should stay under 200 ms of CPU; a script that
// touches nothing under 20 ms.
#include <memory>

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "shell/script/script_session.h"

namespace {

struct DemoSession {
    DemoSession() : editor(std::make_unique<EDITOR>())
    {
        loadRomImage(*editor, makeDemoImage());
        editor->history.start(*editor);
        session = makeScriptSession(*editor);
    }

    std::unique_ptr<EDITOR> editor;
    std::unique_ptr<ScriptSession> session;
};

const QString kEveryCell = QStringLiteral(R"(
for (let s = 0; s < editor.stageCount; ++s) {
    const stage = editor.stage(s);
    for (let m = 0; m < 32; ++m)
        for (let c = 0; c < 8; ++c)
            for (let r = 0; r < 8; ++r)
                stage.setMapSetCell(m, c, r, (stage.mapSetCell(m, c, r) + 1) % 256);
}
)");

void BM_ScriptWritesEveryMapSetCell(benchmark::State& state)
{
    DemoSession demo;
    for (auto _ : state) {
        const ScriptOutcome outcome = demo.session->run(kEveryCell, "cells.js", "cells.js");
        if (!outcome.changed)
            state.SkipWithError("the script changed nothing");
    }
}
BENCHMARK(BM_ScriptWritesEveryMapSetCell)->Unit(benchmark::kMillisecond);

void BM_ScriptTouchingNothing(benchmark::State& state)
{
    DemoSession demo;
    for (auto _ : state)
        benchmark::DoNotOptimize(demo.session->run(QStringLiteral("print;"), "empty.js", "empty.js"));
}
BENCHMARK(BM_ScriptTouchingNothing)->Unit(benchmark::kMillisecond);

// A run that starts with a new engine, as the first run after the program starts does.
void BM_FirstScriptOfAnEngine(benchmark::State& state)
{
    DemoSession demo;
    for (auto _ : state) {
        const std::unique_ptr<ScriptSession> session = makeScriptSession(*demo.editor);
        benchmark::DoNotOptimize(session->run(QStringLiteral("print;"), "empty.js", "empty.js"));
    }
}
BENCHMARK(BM_FirstScriptOfAnEngine)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
