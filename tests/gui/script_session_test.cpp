// Scripts on an editor of their own: the API over every table, each run one step of
// the history, a failing or stopped run taken back whole, registered commands, and the
// example scripts on the demo image.

#include <chrono>
#include <memory>
#include <numeric>

#include <QDir>
#include <QFile>
#include <QtTest>

#include "demo/demo_image.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "shell/script/script_session.h"
#include "shell/script/script_watchdog.h"

class ScriptSessionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EDITOR> editor;
    std::unique_ptr<ScriptSession> session;
    QStringList printed;

    ScriptOutcome run(const QString& program, const QString& name = "test.js")
    {
        return session->run(program, name, name);
    }

    // The run fails, leaving the tables and the history as they were.
    ScriptError failure(const QString& program)
    {
        const std::vector<std::uint8_t> before = editableTables(*editor);
        const std::size_t steps = editor->history.undoSteps();
        const ScriptOutcome outcome = run(program);
        [&] {
            QCOMPARE(outcome.result, ScriptOutcome::Result::Failed);
            QVERIFY(editableTables(*editor) == before);
            QCOMPARE(editor->history.undoSteps(), steps);
        }();
        return outcome.error;
    }

private slots:
    void init()
    {
        editor = std::make_unique<EDITOR>();
        loadRomImage(*editor, makeDemoImage());
        editor->history.start(*editor);
        session = makeScriptSession(*editor);
        printed.clear();
        session->setOutput([this](const QString& line) { printed << line; });
    }

    void everyTableIsReadAndWrittenThroughTheApi()
    {
        const ScriptOutcome outcome = run(R"(
            const s = editor.stage(2);
            s.setPage(5, 31);
            s.setMapSetCell(3, 1, 2, 200);
            const cells = s.mapSet(4); cells[7][6] = 9; s.setMapSet(4, cells);
            s.setChipSet(10, [1, 2, 3, 4]);
            s.setChip(11, {tiles: [5, 6, 7, 8], palette: 2, style: 0x40});
            s.setColour(1, 2, 3, 0x21);
            s.setPaletteSet(2, {selectors: [0, 0x81, 0, 0]});
            s.setTilePixel(4, 1, 2, 3);
            const rows = s.tile(5); rows[7][7] = 2; s.setTile(5, rows);
            s.setObject(0, {x: 17, data: 99});
            const pages = s.pages(); pages[6] = 30; s.setPages(pages);
            [s.page(5), s.mapSetCell(3, 1, 2), s.mapSet(4)[7][6], s.chipSet(10).join("-"), s.chip(11).tiles[3],
             s.chip(11).style, s.colour(1, 2, 3), s.paletteSet(2).selectors[1], s.tilePixel(4, 1, 2),
             s.tilePixel(5, 7, 7), s.objects()[0].x, s.objects()[0].data, s.page(6)].join(",")
        )");
        QVERIFY2(outcome.succeeded(), qPrintable(outcome.error.text()));
        QCOMPARE(outcome.value, QString("31,200,9,1-2-3-4,8,64,33,129,3,2,17,99,30"));
        QCOMPARE(editor->pageSet[2][5], 31);
        QCOMPARE(editor->mapSet[2][3][1 * 8 + 2], 200);
        QCOMPARE(editor->chip[2][11].palette, 2);
        QCOMPARE(editor->palSet[2][1].colour[2][3], 0x21);
        QCOMPARE(editor->object[2][0].data, 99);
        QCOMPARE(editor->history.undoSteps(), std::size_t(1));
    }

    void aRangeErrorOrAnExceptionTakesBackTheWholeRun()
    {
        const ScriptError range = failure("editor.stage(0).setPage(0, 3);\n"
                                          "editor.stage(1).setMapSetCell(0, 0, 0, 256);\n");
        QCOMPARE(range.text(),
                 QString("test.js:2: RangeError: map sets: stage 1, map set 0, column 0, row 0: 256 is not a chip set "
                         "(0 to 255)"));
        const ScriptError thrown =
            failure("editor.stage(0).setPage(0, 3);\nfunction f() {\n  throw new Error('no');\n}\nf();");
        QCOMPARE(thrown.text(), QString("test.js:3: Error: no"));
        QCOMPARE(failure("editor.stage(0).setPage(0, 1.5);").message, QString("TypeError: 1.5 is not a whole number"));
    }

    void eachRunIsOneStepNamedAfterTheScriptOrItsStep()
    {
        const std::vector<std::uint8_t> before = editableTables(*editor);
        QVERIFY(run("for (const s of editor.stages()) s.setPage(0, 5);", "pages.js").changed);
        QCOMPARE(editor->history.undoSteps(), std::size_t(1));
        QCOMPARE(editor->history.lastStepName(), std::string("pages.js"));
        QVERIFY(run("editor.step('Shift cells', () => editor.stage(3).setMapSetCell(0, 0, 0, 1));").changed);
        QCOMPARE(editor->history.lastStepName(), std::string("Shift cells"));
        editor->history.undo(*editor);
        editor->history.undo(*editor);
        QVERIFY(editableTables(*editor) == before);
        // Reading only leaves no step; print goes to the output.
        QVERIFY(!run("print('stages', editor.stageCount); editor.stage(0).page(0);").changed);
        QCOMPARE(printed, QStringList{"stages 16"});
    }

    void aRunawayLoopIsStoppedAndTakenBack()
    {
        const std::vector<std::uint8_t> before = editableTables(*editor);
        ScriptOutcome outcome;
        {
            ScriptWatchdog watchdog(std::chrono::milliseconds(100), [this] { session->interrupt(); });
            outcome = run("editor.stage(0).setPage(0, 9); while (true) {}");
        }
        QCOMPARE(outcome.result, ScriptOutcome::Result::Stopped);
        QVERIFY(editableTables(*editor) == before);
        QCOMPARE(editor->history.undoSteps(), std::size_t(0));
        // The engine runs again afterwards.
        QVERIFY(run("1 + 1").succeeded());
    }

    void aRegisteredCommandRunsAsAStepOfItsLabel()
    {
        QVERIFY(run("editor.registerCommand('tools.firstPage', 'First page to map set 2', "
                    "() => editor.stage(0).setPage(0, 2));\n"
                    "editor.registerCommand('tools.broken', 'Broken', () => {\n  throw new Error('bad');\n});",
                    "commands.js")
                    .succeeded());
        QCOMPARE(session->commands().size(), std::size_t(2));
        QCOMPARE(session->commands()[0].label, QString("First page to map set 2"));
        const ScriptOutcome outcome = session->runCommand("tools.firstPage");
        QVERIFY(outcome.changed);
        QCOMPARE(editor->pageSet[0][0], 2);
        QCOMPARE(editor->history.lastStepName(), std::string("First page to map set 2"));
        const ScriptOutcome broken = session->runCommand("tools.broken");
        QCOMPARE(broken.result, ScriptOutcome::Result::Failed);
        QCOMPARE(broken.error.text(), QString("commands.js:3: Error: bad"));
    }

    void theExampleScriptsRunOnTheDemoImage()
    {
        const QDir examples(QUARRIX_SOURCE_DIR "/docs/scripts");
        const auto runExample = [&](const QString& name) {
            QFile file(examples.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return ScriptOutcome{ScriptOutcome::Result::Failed, {}, {name, 0, "missing"}, false};
            printed.clear();
            return session->run(QString::fromUtf8(file.readAll()), name, name);
        };
        QCOMPARE(examples.entryList({"*.js"}).size(), 4);

        QVERIFY(runExample("objects-csv.js").succeeded());
        QCOMPARE(printed.first(), QString("stage,slot,page,x,y,data,name"));
        int objectCount = 0;
        for (int stage = 0; stage < kStageCount; ++stage)
            for (int slot = 0; slot < kObjectSlots && editor->object[stage][slot].isUsed(); ++slot)
                ++objectCount;
        QCOMPARE(printed.size(), objectCount + 1);
        QCOMPARE(printed[1],
                 QString("0,0,%1,%2,%3,%4,")
                     .arg(editor->object[0][0].page)
                     .arg(editor->object[0][0].x)
                     .arg(editor->object[0][0].y)
                     .arg(editor->object[0][0].data));

        QVERIFY(runExample("check-last-page.js").succeeded());
        QCOMPARE(printed, QStringList{"no object stands past its stage's last used page"});
        // Stage 0's last pages all show one map set: its objects there stand past page 40.
        for (int page = 40; page < kPageCount; ++page)
            editor->pageSet[0][page] = 3;
        editor->history.record(*editor, false);
        QVERIFY(runExample("check-last-page.js").succeeded());
        QVERIFY2(printed.last().endsWith("objects past the last used page"), qPrintable(printed.join('\n')));
        QVERIFY(printed.first().startsWith("stage 0: object "));

        const ObjectRecord first = editor->object[0][0];
        QVERIFY(runExample("move-objects.js").changed);
        QCOMPARE(editor->history.lastStepName(), std::string("Move objects of data 7"));
        QCOMPARE(editor->object[0][0].data, 7);
        QCOMPARE(editor->object[0][0].page, first.page + 1);

        std::vector<int> uses(kStageCount);
        for (int stage = 0; stage < kStageCount; ++stage)
            for (const auto& chipSet : editor->chipSet[stage])
                for (std::uint8_t chip : chipSet)
                    uses[std::size_t(stage)] += chip == 0x12;
        QVERIFY(runExample("replace-chip.js").changed);
        for (int stage = 0; stage < kStageCount; ++stage)
            for (const auto& chipSet : editor->chipSet[stage])
                for (std::uint8_t chip : chipSet)
                    QVERIFY(chip != 0x12);
        QVERIFY(printed.first().endsWith(
            QString("in %1 chip-set quadrants").arg(std::accumulate(uses.begin(), uses.end(), 0))));
    }
};

QTEST_MAIN(ScriptSessionTest)
#include "script_session_test.moc"
