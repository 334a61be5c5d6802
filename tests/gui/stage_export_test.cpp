// Whole-stage pictures from the command line: one stage, every stage with its sheets,
// and the errors that end such a run.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

#include "gui_support.h"
#include "program_run.h"

namespace {

// As on a machine without any display.
void withoutDisplay(QProcessEnvironment& environment)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
}

}  // namespace

class StageExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString rom;

private slots:
    void initTestCase() { rom = QString::fromStdString(writeDemoRomInto(dir)); }

    void oneStageNeedsNoDisplayAndTakesItsDigitOrItsNumber()
    {
        const ProgramRun byDigit = runProgram({rom, "--export-stage", "b", "b.png"}, dir.path(), withoutDisplay);
        QCOMPARE(byDigit.exitCode, 0);
        QVERIFY(byDigit.out.contains(dir.filePath("b.png")));
        const ProgramRun byNumber = runProgram({rom, "--export-stage", "11", "11.png"}, dir.path(), withoutDisplay);
        QCOMPARE(byNumber.exitCode, 0);

        const QImage picture(dir.filePath("b.png"));
        QCOMPARE(picture.size(), QSize(12288, 256));
        QVERIFY(picture == QImage(dir.filePath("11.png")));
        // Another stage is another picture.
        QCOMPARE(runProgram({rom, "--export-stage", "10", "10.png"}, dir.path()).exitCode, 0);
        QVERIFY(picture != QImage(dir.filePath("10.png")));
    }

    void everyStageWithItsSheetsInNamesThatSortByStage()
    {
        const QString folder = dir.filePath("all/of/them");
        const ProgramRun run = runProgram({rom, "--export-all", folder, "--objects"}, dir.path());
        QCOMPARE(run.exitCode, 0);
        // Not in a terminal: no progress, only the closing line.
        QCOMPARE(run.out.count('\n'), 1);

        const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 16 * 7);
        const QString digits = "0123456789ABCDEF";
        for (int i = 0; i < names.size(); ++i)
            QVERIFY2(names[i].startsWith(QString("stage-") + digits[i / 7]), qPrintable(names[i]));
        const QDir out(folder);
        QCOMPARE(QImage(out.filePath("stage-F.png")).size(), QSize(12288, 256));
        QCOMPARE(QImage(out.filePath("stage-F-chips.png")).size(), QSize(256, 256));
        QCOMPARE(QImage(out.filePath("stage-F-chip-sets.png")).size(), QSize(512, 512));
        QCOMPARE(QImage(out.filePath("stage-F-tiles-3.png")).size(), QSize(256, 256));
    }

    void markedObjectsAreLabelledWithTheirNames()
    {
        QFile names(dir.filePath("names.json"));
        QVERIFY(names.open(QIODevice::WriteOnly));
        // A name for every data value, so that every marked object gets one.
        QByteArray text = R"({"version": 1, "names": {)";
        for (int data = 0; data < 256; ++data)
            text += QString(R"(%1"%2": "object")").arg(data ? ", " : "").arg(data, 2, 16, QChar('0')).toUtf8();
        names.write(text + "}}");
        names.close();
        const QStringList stage0{rom, "--export-stage", "0", "--objects"};
        QCOMPARE(runProgram(stage0 + QStringList{"plain.png"}, dir.path()).exitCode, 0);
        QCOMPARE(runProgram(stage0 + QStringList{"--object-names", names.fileName(), "named.png"}, dir.path()).exitCode,
                 0);
        QVERIFY(QImage(dir.filePath("plain.png")) != QImage(dir.filePath("named.png")));
    }

    void errorsEndWithExitCodeOneAndWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such image") << QStringList{"missing.nes", "--export-stage", "0", "out.png"}
                                       << "file 'missing.nes' not found";
        QTest::newRow("image too short") << QStringList{"short.nes", "--export-stage", "0", "out.png"}
                                         << "not enough data";
        QTest::newRow("picture over the image")
            << QStringList{"short.nes", "--export-stage", "0", "./short.nes"} << "would replace the ROM image";
        QTest::newRow("stage past F") << QStringList{"DEMO", "--export-stage", "16", "out.png"} << "not '16'";
        QTest::newRow("stage not a digit") << QStringList{"DEMO", "--export-stage", "G", "out.png"} << "not 'G'";
        QTest::newRow("palette past 3") << QStringList{"DEMO", "--export-stage", "0", "out.png", "--palette", "4"}
                                        << "not '4'";
        QTest::newRow("folder under a file")
            << QStringList{"DEMO", "--export-stage", "0", "short.nes/out.png"} << "cannot write the picture";
        QTest::newRow("export folder under a file")
            << QStringList{"DEMO", "--export-all", "short.nes/out"} << "cannot make the folder";
        QTest::newRow("names file refused")
            << QStringList{"DEMO", "--export-stage", "0", "out.png", "--objects", "--object-names", "short.nes"}
            << "is refused: it is not JSON";
    }

    void errorsEndWithExitCodeOneAndWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir work;
        QFile shortImage(work.filePath("short.nes"));
        QVERIFY(shortImage.open(QIODevice::WriteOnly) && shortImage.write("NES\x1a") == 4);
        shortImage.close();
        arguments.replaceInStrings("DEMO", rom);

        const ProgramRun run = runProgram(arguments, work.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(said), qPrintable(run.out));
        QCOMPARE(QDir(work.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"short.nes"});
        QCOMPARE(QFileInfo(shortImage).size(), 4);
    }
};

QTEST_MAIN(StageExportTest)
#include "stage_export_test.moc"
