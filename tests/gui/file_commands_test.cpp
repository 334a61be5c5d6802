// Patches made and applied from the command line, what --info tells of an image, and
// stage files written and read, without a window.

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "gui_support.h"
#include "program_run.h"
#include "rom/rom_layout.h"

class FileCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString original;
    QString edited;

private slots:
    void initTestCase()
    {
        original = QString::fromStdString(writeDemoRomInto(dir, "original.nes"));
        std::vector<std::uint8_t> bytes = readFile(original.toStdString());
        bytes[rom_layout::stageBase(4) + rom_layout::kPageTable + 1] ^= 3;
        bytes[rom_layout::stageBase(12) + rom_layout::kChipSets + 9] ^= 0x80;
        edited = dir.filePath("edited.nes");
        QFile file(edited);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }

    void bothFormatsMakeTheEditedImageAgain()
    {
        for (const QString patch : {"edits.bps", "edits.IPS"}) {
            const ProgramRun made = runProgram({edited, "--make-patch", original, patch}, dir.path());
            QCOMPARE(made.exitCode, 0);
            QCOMPARE(made.out.count('\n'), 1);
            QVERIFY2(made.out.contains("2 changed bytes"), qPrintable(made.out));

            const QString result = "from-" + patch + ".nes";
            const ProgramRun applied = runProgram({original, "--apply-patch", patch, result}, dir.path());
            QCOMPARE(applied.exitCode, 0);
            QCOMPARE(applied.out.count('\n'), 1);
            QVERIFY(readFile(dir.filePath(result).toStdString()) == readFile(edited.toStdString()));
        }
    }

    void refusalsWriteNothingAndEndWithOne()
    {
        QCOMPARE(runProgram({edited, "--make-patch", original, "edits.bps"}, dir.path()).exitCode, 0);
        // The wrong image: the edited one instead of the original.
        const ProgramRun wrong = runProgram({edited, "--apply-patch", "edits.bps", "wrong.nes"}, dir.path());
        QCOMPARE(wrong.exitCode, 1);
        QVERIFY2(wrong.out.contains("another image"), qPrintable(wrong.out));
        QVERIFY(!QFile::exists(dir.filePath("wrong.nes")));
        // Never over an input.
        const std::vector<std::uint8_t> before = readFile(original.toStdString());
        QCOMPARE(runProgram({original, "--apply-patch", "edits.bps", original}, dir.path()).exitCode, 1);
        QVERIFY(readFile(original.toStdString()) == before);
        // Neither a patch nor a known ending.
        QCOMPARE(runProgram({original, "--apply-patch", edited, "x.nes"}, dir.path()).exitCode, 1);
        QCOMPARE(runProgram({edited, "--make-patch", original, "edits.diff"}, dir.path()).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath("x.nes")) && !QFile::exists(dir.filePath("edits.diff")));
    }

    void changesListTheThreeEditsAsTextAndJson()
    {
        std::vector<std::uint8_t> bytes = readFile(edited.toStdString());
        bytes[rom_layout::stageBase(7) + rom_layout::kObjectX + 4] ^= 0x08;
        QFile file(dir.filePath("three.nes"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();

        const ProgramRun text = runProgram({"three.nes", "--changes", original}, dir.path());
        QCOMPARE(text.exitCode, 0);
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith("Stage 4 · page 01: map set "), qPrintable(text.out));
        QVERIFY2(lines[1].startsWith("Stage 7 · object slot 04 · x: "), qPrintable(text.out));
        QVERIFY2(lines[2].startsWith("Stage C · chip set 02 · top-right chip: "), qPrintable(text.out));

        const ProgramRun json = runProgram({"three.nes", "--changes", original, "--json"}, dir.path());
        QCOMPARE(json.exitCode, 0);
        const QJsonArray items = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[1].toObject()["stage"].toInt(), 7);
        QCOMPARE(items[1].toObject()["table"].toString(), "objects");
        QCOMPARE(items[1].toObject()["place"].toString(), "object slot 04 · x");
        QCOMPARE(items[1].toObject()["new"].toString().toInt(nullptr, 16),
                 items[1].toObject()["old"].toString().toInt(nullptr, 16) ^ 0x08);

        QFile shortFile(dir.filePath("short.nes"));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QByteArray(1000, 0));
        shortFile.close();
        const ProgramRun wrongSize = runProgram({"three.nes", "--changes", "short.nes"}, dir.path());
        QCOMPARE(wrongSize.exitCode, 1);
        QVERIFY2(wrongSize.out.contains("the size of its image"), qPrintable(wrongSize.out));
        QCOMPARE(runProgram({"three.nes", "--changes", "missing.nes"}, dir.path()).exitCode, 1);
    }

    void infoOnTheDemoImage()
    {
        QFile file(original);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto sha1 = [](const QByteArray& data) {
            return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
        };
        const ProgramRun run = runProgram({edited, "--info", "--against", original}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("524304 bytes"), qPrintable(run.out));
        QVERIFY(run.out.contains("header: iNES, mapper 2, PRG 512 KiB, CHR none (RAM), mirroring vertical"));
        QVERIFY(run.out.contains(sha1(bytes)));  // the original's, whole
        QVERIFY(run.out.contains("stage tables: load; used objects per stage: 0:"));
        QVERIFY(run.out.contains("stage 4: 1 byte, stage C: 1 byte; the other 14 are the same"));

        const ProgramRun alone = runProgram({original, "--info"}, dir.path());
        QCOMPARE(alone.exitCode, 0);
        QVERIFY(alone.out.contains(sha1(bytes)) && alone.out.contains(sha1(bytes.mid(16))));
        QVERIFY(alone.out.contains("original: none known"));
        QCOMPARE(runProgram({dir.filePath("missing.nes"), "--info"}, dir.path()).exitCode, 1);

        // A name near the longest a file can have comes out whole.
        const QString longName = QString(246, 'n') + ".nes";
        QVERIFY(QFile::copy(original, dir.filePath(longName)));
        const ProgramRun named = runProgram({longName, "--info"}, dir.path());
        QVERIFY2(named.out.contains("file: " + longName + ", 524304 bytes\n"), qPrintable(named.out));
    }

    void exportPaletteWritesTheColoursDrawnWith()
    {
        QCOMPARE(runProgram({"--export-palette", "console.pal"}, dir.path()).exitCode, 0);
        QFile console(dir.filePath("console.pal"));
        QVERIFY(console.open(QIODevice::ReadOnly));
        const QByteArray bytes = console.readAll();
        QCOMPARE(bytes.size(), 192);
        QCOMPARE(bytes.left(3), QByteArray("\x78\x78\x78"));           // colour 0x00
        QCOMPARE(bytes.mid(0x30 * 3, 3), QByteArray("\xFF\xFF\xFF"));  // colour 0x30

        // Another palette drawn with is the one written.
        QByteArray own(192, 0);
        for (int i = 0; i < own.size(); ++i)
            own[i] = char(i);
        QFile file(dir.filePath("own.pal"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(own) == own.size());
        file.close();
        QCOMPARE(runProgram({"--palette-file", "own.pal", "--export-palette", "again.pal"}, dir.path()).exitCode, 0);
        QFile again(dir.filePath("again.pal"));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), own);
    }

    void stageFilesTravelBetweenStagesAndBadOnesChangeNothing()
    {
        QCOMPARE(runProgram({original, "--export-stage-data", "c", "stage-c.json"}, dir.path()).exitCode, 0);
        const ProgramRun imported =
            runProgram({original, "--import-stage-data", "2", "stage-c.json", "c-as-2.nes"}, dir.path());
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(imported.out.count('\n'), 1);
        QCOMPARE(runProgram({"c-as-2.nes", "--export-stage-data", "2", "stage-2.json"}, dir.path()).exitCode, 0);
        const auto text = [&](const char* name) {
            const std::vector<std::uint8_t> bytes = readFile(dir.filePath(name).toStdString());
            return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        };
        // The same tables, recorded as having come from another stage.
        QCOMPARE(QString(text("stage-2.json")).replace("\"stage\": 2", "\"stage\": 12"), text("stage-c.json"));

        QFile bad(dir.filePath("bad.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QString(text("stage-c.json")).replace("\"version\": 2", "\"version\": 9").toUtf8());
        bad.close();
        const ProgramRun refused =
            runProgram({original, "--import-stage-data", "2", "bad.json", "bad.nes"}, dir.path());
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.out.contains("version 9"), qPrintable(refused.out));
        QVERIFY(!QFile::exists(dir.filePath("bad.nes")));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
