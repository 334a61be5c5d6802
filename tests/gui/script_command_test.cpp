// IMAGE --script FILE.js [--output OUT.nes] [--script-timeout SECONDS]: what it prints,
// what it writes and its exit codes.

#include <QFile>
#include <QtTest>

#include "gui_support.h"
#include "program_run.h"

class ScriptCommandTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString rom;

    void writeScript(const QString& name, const QByteArray& text)
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray bytesOf(const QString& name)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        rom = QString::fromStdString(writeDemoRomInto(dir));
        writeScript("change.js",
                    "print('first page', editor.stage(0).page(0));\n"
                    "editor.stage(0).setPage(0, 17);\n");
        writeScript("read.js", "print(editor.stage(0).page(0));\n");
        writeScript("fail.js",
                    "editor.stage(0).setPage(0, 17);\n"
                    "editor.stage(0).setPage(1, 40);\n");
        writeScript("loop.js", "editor.stage(0).setPage(0, 17);\nwhile (true) {}\n");
    }

    void aChangeIsWrittenToTheOutputAndTheImageIsOnlyRead()
    {
        const QByteArray image = bytesOf("demo.nes");
        const ProgramRun run = runProgram({rom, "--script", "change.js", "--output", "out.nes"}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("first page 0\n"));
        QCOMPARE(run.err, QString());
        QVERIFY(bytesOf("demo.nes") == image);
        const QByteArray out = bytesOf("out.nes");
        QCOMPARE(out.size(), image.size());
        QVERIFY(out != image);

        // A script that changes nothing writes nothing.
        QCOMPARE(runProgram({rom, "--script", "read.js", "--output", "same.nes"}, dir.path()).exitCode, 0);
        QVERIFY(!QFile::exists(dir.filePath("same.nes")));

        // The image itself, written in place as Save writes it.
        QCOMPARE(runProgram({rom, "--script", "change.js", "--output", rom}, dir.path()).exitCode, 0);
        QVERIFY(bytesOf("demo.nes") == out);
        QCOMPARE(runProgram({rom, "--script", "read.js"}, dir.path()).out, QString("17\n"));
    }

    void anErrorOrATimeoutExitsOneWritingNothing()
    {
        const ProgramRun failed = runProgram({rom, "--script", "fail.js", "--output", "bad.nes"}, dir.path());
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(failed.err, QString("fail.js:2: RangeError: pages: stage 0, page 1: 40 is not a map set (0 to 31)\n"));
        QVERIFY(!QFile::exists(dir.filePath("bad.nes")));

        const ProgramRun stopped =
            runProgram({rom, "--script", "loop.js", "--output", "loop.nes", "--script-timeout", "0.2"}, dir.path());
        QCOMPARE(stopped.exitCode, 1);
        QVERIFY2(stopped.err.contains("stopped after 0.2 seconds"), qPrintable(stopped.err));
        QVERIFY(!QFile::exists(dir.filePath("loop.nes")));

        const ProgramRun missing = runProgram({rom, "--script", "none.js"}, dir.path());
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.startsWith("cannot run the script: "));

        // A program that finds no script engine where it looks for one says so.
        const QString alone = dir.filePath("alone/quarrix-editor");
        QVERIFY(QDir(dir.path()).mkpath("alone") && QFile::copy(QUARRIX_EDITOR_EXE, alone));
        QVERIFY(QFile::setPermissions(alone, QFile::ReadOwner | QFile::ExeOwner));
        const ProgramRun withoutEngine = runProgram({rom, "--script", "read.js"}, dir.path(), {}, alone);
        QCOMPARE(withoutEngine.exitCode, 1);
        QVERIFY2(withoutEngine.err.startsWith("cannot run the script: the script engine cannot be loaded: "),
                 qPrintable(withoutEngine.err));
    }
};

QTEST_MAIN(ScriptCommandTest)
#include "script_command_test.moc"
