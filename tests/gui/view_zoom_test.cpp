// Zoom: at 2x to 4x a press at n times a view point hits what it hits at 1x, in every
// area of every view; the picture is the 1x picture with each pixel an n x n block; the
// controls of the editing area grow with it. The overview scrolls to a clicked page.
// The offscreen screen is made large enough for 4x (see main).

#include <QApplication>
#include <QCheckBox>
#include <QtTest>
#include <cstdlib>

#include "edit/mouse_areas.h"
#include "edit/virtual_keys.h"
#include "gui_support.h"
#include "model/editable_tables.h"
#include "render/stage_overview.h"
#include "shell/main_window/view_zoom.h"
#include "shell/session/settings.h"
#include "shell/windows/overview_window.h"
#include "shell/windows/panels.h"
#include "swc/window_scale.h"

namespace {

struct EditorState {
    std::vector<std::uint8_t> tables;
    int fields[9];
    bool operator==(const EditorState&) const = default;
};

EditorState stateOf(const EDITOR& e)
{
    return {editableTables(e),
            {e.viewPos, e.curTab, e.curChipSet, e.curChip, e.curTile, e.curObject, e.cursorCol, e.cursorRow,
             e.selection.exists() ? 1 : 0}};
}

QWidget* editAreaWidget()
{
    return editArea->handle();
}

// A left press and release at a view point, through the editing area's widget.
void click(QPoint viewPoint, int zoom)
{
    QTest::mouseClick(editAreaWidget(), Qt::LeftButton, Qt::NoModifier, viewPoint * zoom);
}

void chooseView(int view)
{
    tabControl->sendMessage(TCM_SETCURSEL, WPARAM(view), 0);
    applySelections();
}

}  // namespace

class ViewZoomTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!startOnDemoImage(dir).empty()); }
    void cleanup() { setZoom(1); }

    void everyAreaOfEveryViewIsHitAlikeAtEveryZoom()
    {
        const std::vector<std::uint8_t> start = editableTables(theEditor);
        QCOMPARE(largestZoomThatFits(), kLargestZoom);
        for (int view = 0; view < kViewCount; ++view)
            for (const MouseArea& area : mouseAreas(view)) {
                // A point off the centre too, so that the division by the zoom is seen.
                for (QPoint at : {QPoint(area.area.x + area.area.width / 2, area.area.y + area.area.height / 2),
                                  QPoint(area.area.x + area.area.width - 1, area.area.y + 1)}) {
                    std::optional<EditorState> atOne;
                    for (int zoom = 1; zoom <= kLargestZoom; ++zoom) {
                        QCOMPARE(setZoom(zoom), zoom);
                        restoreEditableTables(theEditor, start);
                        chooseView(view);
                        theEditor.curChipSet = theEditor.curChip = theEditor.curTile = 0x11;
                        theEditor.cursorCol = theEditor.cursorRow = theEditor.curObject = 0;
                        click(at, zoom);
                        const EditorState state = stateOf(theEditor);
                        if (!atOne)
                            atOne = state;
                        else
                            QVERIFY2(state == *atOne, qPrintable(QString("%1 at %2x").arg(area.name).arg(zoom)));
                    }
                }
            }
        restoreEditableTables(theEditor, start);
    }

    void thePictureIsTheActualSizeOneWithEveryPixelEnlarged()
    {
        chooseView(kViewChip);
        theEditor.refresh(0);
        const QImage one = editAreaWidget()->grab().toImage();
        std::vector<QRect> buttons;
        for (const auto& button : stepButtons)
            buttons.push_back(button->handle()->geometry());
        setZoom(2);
        theEditor.refresh(0);
        const QImage two = editAreaWidget()->grab().toImage();
        QCOMPARE(two.size(), one.size() * 2);
        // Everything but the controls, which the style draws at their new size.
        QRegion controls;
        for (QWidget* child : editAreaWidget()->findChildren<QWidget*>())
            if (child->isVisible())
                controls += QRect(child->geometry().topLeft() / 2, child->geometry().size() / 2);
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x)
                if (!controls.contains(QPoint(x, y)))
                    for (QPoint d : {QPoint(0, 0), QPoint(1, 1)})
                        QCOMPARE(two.pixel(2 * x + d.x(), 2 * y + d.y()), one.pixel(x, y));
        for (std::size_t b = 0; b < buttons.size(); ++b)
            QCOMPARE(stepButtons[b]->handle()->geometry(), QRect(buttons[b].topLeft() * 2, buttons[b].size() * 2));
    }

    void theZoomIsKeptInTheSettingsFile()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        useSettings(true);
        setZoom(3);
        useSettings(true);  // read again from the file
        QCOMPARE(savedZoom(), 3);
        useSettings(false);
    }

    void aClickOnTheOverviewScrollsThere()
    {
        chooseView(kViewMap);
        togglePanelOfCommand("view.overview");
        QWidget* window = overviewWindow();
        QVERIFY(window);
        QWidget* picture = window->findChildren<QWidget*>().value(0);
        QVERIFY(picture);
        const int pageWidth = overviewWidth(overviewChipPixels(picture->width())) / kPageCount;
        const int left = std::max(0, (picture->width() - pageWidth * kPageCount) / 2);
        QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(left + 20 * pageWidth + 1, 2));
        QCOMPARE(theEditor.viewPos, 20);
        QCOMPARE(scrollInfo.nPos, 20);
        togglePanelOfCommand("view.overview");
        QVERIFY(!overviewWindow());
    }

private:
    QTemporaryDir dir;
};

int main(int argc, char** argv)
{
    return runOnBigScreen<ViewZoomTest>(argc, argv);
}

#include "view_zoom_test.moc"
