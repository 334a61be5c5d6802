// F4: the tile window opens and closes, draws with the chosen colour into the tile and
// every stage that loads the same bytes, takes a stroke back in one undo step, picks a
// colour with the right button, and copies and pastes a tile.

#include <cstring>

#include <QClipboard>
#include <QLabel>
#include <QtTest>

#include "edit/tile_editing.h"
#include "gui_support.h"
#include "shell/windows/panels.h"
#include "shell/windows/tile_window.h"

namespace {

// Every stage of the demo image loads tiles 00 to 3F from the same bytes.
constexpr int kSharedTile = 0x05;
constexpr int kOtherStage = 9;

QPoint pixelCentre(int x, int y)
{
    const int cell = (tileWindowCanvas()->width() - 1) / 8;
    return {x * cell + cell / 2, y * cell + cell / 2};
}

int pixel(int stage, int tile, int x, int y)
{
    return tilePixel(theEditor, stage, tile, x, y);
}

}  // namespace

class TileWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(!startOnDemoImage(dir).empty());
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
    }

    void cleanupTestCase() { releaseUi(); }

    void f4OpensItAndF4OrEscapeCloseIt()
    {
        QTest::keyClick(mainWindow->handle(), Qt::Key_F4);
        QVERIFY(tileWindow());
        QVERIFY(!QApplication::activeModalWidget());
        QTest::keyClick(tileWindow(), Qt::Key_Escape);
        QVERIFY(!tileWindow());
        QTest::keyClick(mainWindow->handle(), Qt::Key_F4);
        QVERIFY(tileWindow());
        QTest::keyClick(tileWindow(), Qt::Key_F4);
        QVERIFY(!tileWindow());
    }

    void aStrokeDrawsInEveryStageSharingTheBytesAsOneUndoStep()
    {
        QTest::keyClick(mainWindow->handle(), Qt::Key_F4);
        QVERIFY(tileWindow());
        theEditor.curTile = kSharedTile;
        followPanels();
        QVERIFY(tileWindow()->findChild<QLabel*>()->text().contains("Tile 05"));

        const int value = (pixel(0, kSharedTile, 0, 2) + 1) % 4;
        QTest::keyClick(tileWindow(), Qt::Key(Qt::Key_1 + value));
        const std::size_t steps = theEditor.history.undoSteps();
        std::uint8_t before[kTileBytes];
        std::memcpy(before, theEditor.tileGfx[0][kSharedTile], kTileBytes);

        QWidget* canvas = tileWindowCanvas();
        QTest::mousePress(canvas, Qt::LeftButton, {}, pixelCentre(0, 2));
        QTest::mouseMove(canvas, pixelCentre(5, 2));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, pixelCentre(5, 2));
        for (int x = 0; x <= 5; ++x)
            QCOMPARE(pixel(0, kSharedTile, x, 2), value);
        QCOMPARE(
            std::memcmp(theEditor.tileGfx[kOtherStage][kSharedTile], theEditor.tileGfx[0][kSharedTile], kTileBytes), 0);
        QCOMPARE(theEditor.history.undoSteps(), steps + 1);

        // Ctrl+Z in the window undoes the whole stroke.
        QTest::keyClick(tileWindow(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(std::memcmp(theEditor.tileGfx[0][kSharedTile], before, kTileBytes), 0);
        QCOMPARE(std::memcmp(theEditor.tileGfx[kOtherStage][kSharedTile], before, kTileBytes), 0);
    }

    void theRightButtonPicksTheColourThatTheLeftDraws()
    {
        QVERIFY(tileWindow());
        QWidget* canvas = tileWindowCanvas();
        int x = 1;
        while (x < 8 && pixel(0, kSharedTile, x, 4) == pixel(0, kSharedTile, 0, 4))
            ++x;
        QVERIFY2(x < 8, "the demo tile's row 4 has one colour");
        const int picked = pixel(0, kSharedTile, x, 4);
        QTest::mouseClick(canvas, Qt::RightButton, {}, pixelCentre(x, 4));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, pixelCentre(0, 4));
        QCOMPARE(pixel(0, kSharedTile, 0, 4), picked);
    }

    void aTileCopiedIsPastedOntoTheNextAsOneStep()
    {
        QVERIFY(tileWindow());
        theEditor.curTile = kSharedTile;
        followPanels();
        QTest::keyClick(tileWindow(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().startsWith("Quarrix Editor selection 1\nTILES 1x1\n"));
        QVERIFY(!QApplication::clipboard()->image().isNull());
        QTest::keyClick(tileWindow(), Qt::Key_Right);
        QCOMPARE(theEditor.curTile, kSharedTile + 1);
        QVERIFY(std::memcmp(theEditor.tileGfx[0][kSharedTile + 1], theEditor.tileGfx[0][kSharedTile], kTileBytes));
        const std::size_t steps = theEditor.history.undoSteps();
        QTest::keyClick(tileWindow(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(std::memcmp(theEditor.tileGfx[0][kSharedTile + 1], theEditor.tileGfx[0][kSharedTile], kTileBytes), 0);
        QCOMPARE(theEditor.history.undoSteps(), steps + 1);
    }
};

QTEST_MAIN(TileWindowTest)
#include "tile_window_test.moc"
