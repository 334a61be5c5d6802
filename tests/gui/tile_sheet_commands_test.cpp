// Tile sheets from the command line: --export-tiles and --import-tiles, the sheets
// --export-all writes read back, and the refusals that write nothing.

#include <cstring>
#include <memory>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

#include "gui_support.h"
#include "model/editor.h"
#include "program_run.h"

class TileSheetCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString rom;

    QByteArray bytesOf(const QString& name)
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { rom = QString::fromStdString(writeDemoRomInto(dir)); }

    void aSheetExportedAndImportedUnchangedChangesNothing()
    {
        const ProgramRun out = runProgram({rom, "--export-tiles", "3", "tiles.png", "--sub-palette", "2"}, dir.path());
        QCOMPARE(out.exitCode, 0);
        const QImage sheet(dir.filePath("tiles.png"));
        QCOMPARE(sheet.size(), QSize(128, 128));
        QCOMPARE(sheet.format(), QImage::Format_Indexed8);
        QCOMPARE(sheet.colorCount(), 4);

        // The sheets of --export-all, read by their colours as a picture editor keeps them.
        QCOMPARE(runProgram({rom, "--export-all", "all", "--palette", "1"}, dir.path()).exitCode, 0);
        const QImage exported(dir.filePath("all/stage-3-tiles-3.png"));
        QCOMPARE(exported.format(), QImage::Format_Indexed8);
        QCOMPARE(exported.colorCount(), 4);
        QVERIFY(exported.convertToFormat(QImage::Format_RGB32).save(dir.filePath("colours.png")));

        for (const QStringList& in :
             {QStringList{"tiles.png"}, {"colours.png", "--palette", "1", "--sub-palette", "3"}}) {
            const ProgramRun run =
                runProgram(QStringList{rom, "--import-tiles", "3"} + in.mid(0, 1) + QStringList{"out.nes"} + in.mid(1),
                           dir.path());
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.startsWith("0 tiles of stage 3 changed"), qPrintable(run.out));
            QVERIFY(bytesOf("out.nes") == bytesOf("demo.nes"));
        }
    }

    void oneChangedPixelChangesItsTilesSixteenBytesAtTheirSource()
    {
        QCOMPARE(runProgram({rom, "--export-tiles", "5", "tiles.png"}, dir.path()).exitCode, 0);
        QImage sheet(dir.filePath("tiles.png"));
        // Tile 0x21, pixel x 3, y 4.
        const int x = 8 + 3;
        const int y = 16 + 4;
        sheet.setPixel(x, y, sheet.pixelIndex(x, y) ^ 2);
        QVERIFY(sheet.save(dir.filePath("changed.png")));
        const ProgramRun run = runProgram({rom, "--import-tiles", "5", "changed.png", "changed.nes"}, dir.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString("1 tile of stage 5 changed, in a copy of the image written to changed.nes.\n"));

        auto editor = std::make_unique<EDITOR>();
        editor->loadRom(rom.toStdString());
        const qsizetype source = editor->tileSources.offset[5][0x21];
        const QByteArray before = bytesOf("demo.nes");
        const QByteArray after = bytesOf("changed.nes");
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < before.size(); ++i)
            if (i != source + 8 + 4)
                QVERIFY2(after[i] == before[i], qPrintable(QString::number(i, 16)));
        QCOMPARE(int(std::uint8_t(after[source + 8 + 4] ^ before[source + 8 + 4])), 0x80 >> 3);
    }

    void refusalsSayWhyAndWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong size") << QStringList{"--import-tiles", "0", "small.png", "out.nes"}
                                    << "The sheet is 64 x 64 pixels, but a tile sheet is 128 x 128";
        QTest::newRow("foreign colour")
            << QStringList{"--import-tiles", "0", "foreign.png", "out.nes"}
            << "The pixel at x 0, y 0 has the colour #123456, which sub-palette 0 of palette set 0 does not hold";
        QTest::newRow("not a picture") << QStringList{"--import-tiles", "0", "demo.nes", "out.nes"} << "is not a PNG";
        QTest::newRow("over the image") << QStringList{"--export-tiles", "0", "demo.nes"} << "is the input";
        QTest::newRow("sub-palette past 3")
            << QStringList{"--export-tiles", "0", "out.png", "--sub-palette", "4"} << "not '4'";
    }

    void refusalsSayWhyAndWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QTemporaryDir work;
        QImage small(64, 64, QImage::Format_RGB32);
        small.fill(Qt::black);
        QVERIFY(small.save(work.filePath("small.png")));
        QImage foreign(128, 128, QImage::Format_RGB32);
        foreign.fill(QColor(0x12, 0x34, 0x56));
        QVERIFY(foreign.save(work.filePath("foreign.png")));
        QVERIFY(QFile::copy(rom, work.filePath("demo.nes")));
        const QStringList before = QDir(work.path()).entryList(QDir::Files);

        const ProgramRun run = runProgram(QStringList{"demo.nes"} + arguments, work.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(said), qPrintable(run.out));
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), before);
    }
};

QTEST_MAIN(TileSheetCommandsTest)
#include "tile_sheet_commands_test.moc"
