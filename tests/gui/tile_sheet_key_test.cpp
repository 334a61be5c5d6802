// Ctrl+G with the file dialog answered by the test: a tile sheet read into the current
// stage as one undo step, in the current chip's colours. (Refusals: tests/tilesheet.)

#include <cstring>

#include <QApplication>
#include <QtTest>

#include "edit/tile_editing.h"
#include "file/file_access.h"
#include "gui_support.h"
#include "shell/cli/tile_sheet_png.h"
#include "shell/windows/tile_sheet_dialog.h"
#include "tilesheet/sheet_colours.h"

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : mainWindow->handle(), key, modifiers);
}

}  // namespace

class TileSheetKeyTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::optional<std::string> file;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        QVERIFY(!startOnDemoImage(dir).empty());
        setTileSheetChooser([this] { return file; });
    }

    void init()
    {
        boxes = std::make_unique<MessageBoxRecorder>();
        mainWindow->setFocus();
    }

    void cleanup() { boxes.reset(); }

    void cleanupTestCase()
    {
        setTileSheetChooser({});
        releaseUi();
    }

    // By colour, in the colours of the current chip's sub-palette: one pixel of the
    // first tile that can be drawn becomes the next value's colour.
    void aSheetComesInAsOneStep()
    {
        const int stage = theEditor.curStage;
        int tile = 0;
        while (!tileDrawingRefusal(theEditor, stage, tile).empty())
            ++tile;
        const int subPalette = theEditor.chip[stage][theEditor.curChip].palette;
        const SheetColours colours = sheetColours(theEditor, stage, theEditor.curPalSet, subPalette);
        TileSheetImage sheet = writeTileSheet(theEditor.tileGfx[stage], colours.colour);
        std::uint32_t& pixel = sheet.pixels[std::size_t(tile / 16 * 8 * 128 + tile % 16 * 8)];
        std::uint32_t other = 0;
        while (colours.colour[other] == colours.colour[pixel])
            ++other;
        pixel = other;
        for (std::uint32_t& p : sheet.pixels)
            p = colours.colour[p];
        sheet.indexed = false;
        sheet.palette.clear();
        file = dir.filePath("sheet.png").toStdString();
        writeOutputFile(*file, tileSheetPng(sheet));

        std::uint8_t before[kTileCount][kTileBytes];
        std::memcpy(before, theEditor.tileGfx[stage], sizeof before);
        press(Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QVERIFY2(boxes->boxes[0].text.starts_with("1 tile of stage"), boxes->boxes[0].text.c_str());
        QVERIFY(std::memcmp(before, theEditor.tileGfx[stage], sizeof before) != 0);
        press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(std::memcmp(before, theEditor.tileGfx[stage], sizeof before) == 0);
    }
};

QTEST_MAIN(TileSheetKeyTest)
#include "tile_sheet_key_test.moc"
