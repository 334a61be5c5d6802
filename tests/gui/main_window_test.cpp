// The main window and its controls after start-up, the layout of every view, the
// scroll range, and the texts the editor draws through the application.

#include <set>

#include <QApplication>

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "gui_support.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/selections.h"
#include "shell/startup/startup.h"

namespace {

QComboBox* combo(const std::unique_ptr<SCC>& control)
{
    return qobject_cast<QComboBox*>(control->handle());
}

QPushButton* stepButton(int index)
{
    return qobject_cast<QPushButton*>(stepButtons[std::size_t(index)]->handle());
}

QScrollBar* scrollBarWidget()
{
    return qobject_cast<QScrollBar*>(scrollBar->handle());
}

std::set<int> visibleStepButtons()
{
    std::set<int> visible;
    for (int index = 0; index < kStepButtonCount; ++index)
        if (stepButton(index)->isVisibleTo(editArea->handle()))
            visible.insert(index);
    return visible;
}

std::set<int> range(int first, int last)
{
    std::set<int> indices;
    for (int index = first; index <= last; ++index)
        indices.insert(index);
    return indices;
}

// Switches the view as the user does, by choosing its tab.
void chooseTab(int tab)
{
    qobject_cast<QTabWidget*>(tabControl->handle())->setCurrentIndex(tab);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(!startOnDemoImage(dir).empty());
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow->handle()));
    }

    void init()
    {
        chooseTab(0);
        setScrollPos(0);
    }

    void cleanupTestCase() { releaseUi(); }

    void theWindowHasTheTitleAndOnlyACloseBoxAndResizes()
    {
        QWidget* window = mainWindow->handle();
        QCOMPARE(window->windowTitle(), QString("demo.nes[*] - Quarrix Editor ver.1.2.0"));
        QCOMPARE(windowTitle(), std::string("Quarrix Editor ver.1.2.0"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->minimumSize() != window->maximumSize());
        // The offscreen platform has no frame: the whole outer size is client area, and
        // the window grows by the menu bar above it.
        QVERIFY(mainMenuBar()->height() > 0);
        QCOMPARE(window->frameGeometry().size(), QSize(514, 588 + mainMenuBar()->height()));
    }

    void theControlsStartOnStageZeroPaletteZeroAndMap()
    {
        QComboBox* stages = combo(stageCombo);
        QCOMPARE(stages->count(), 16);
        QCOMPARE(stages->currentText(), QString("0 - bright"));
        QCOMPARE(stages->itemText(8), QString("8 - cossack1"));
        QCOMPARE(stages->itemText(15), QString("F - wily4"));
        QComboBox* palettes = combo(paletteCombo);
        QCOMPARE(palettes->count(), 4);
        QCOMPARE(palettes->currentText(), QString("Pallet 0"));
        QCOMPARE(palettes->itemText(3), QString("Pallet 3"));

        auto* tabs = qobject_cast<QTabWidget*>(tabControl->handle());
        QCOMPARE(tabs->count(), 5);
        const QStringList labels{"MAP", "OBJECT", "MAP SET", "CHIP SET", "CHIP"};
        for (int tab = 0; tab < 5; ++tab)
            QCOMPARE(tabs->tabText(tab), labels[tab]);
        QCOMPARE(tabs->currentIndex(), 0);

        QCOMPARE(theEditor.curStage, 0);
        QCOMPARE(theEditor.curPalSet, 0);
        QCOMPARE(theEditor.curTab, 0);
        QCOMPARE(scrollBarWidget()->minimum(), 0);
        QCOMPARE(scrollBarWidget()->maximum(), 46);
        QCOMPARE(scrollBarWidget()->value(), 0);
        QCOMPARE(scrollInfo.nMax, 46);
        QCOMPARE(scrollInfo.nPos, 0);
    }

    // The first control in the focus chain must not take the keys at start-up.
    void keysReachTheEditorRightAfterStartUp()
    {
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
        QCOMPARE(theEditor.curTab, 1);
    }

    void theControlsAreNumberedInTheOrderTheyAreMade()
    {
        QCOMPARE(stageCombo->id(), 10000u);
        QCOMPARE(paletteCombo->id(), 10001u);
        QCOMPARE(saveButton->id(), 10002u);
        QCOMPARE(tabControl->id(), 10005u);
        QCOMPARE(editArea->id(), 10006u);
        QCOMPARE(stepButtons[0]->id(), 10007u);
        QCOMPARE(stepButtons[17]->id(), 10024u);
        QCOMPARE(scrollBar->id(), 10025u);
    }

    // In the client area, which starts under the menu bar.
    void theTopRowAndTheEditingAreaSitWhereTheyShould()
    {
        QWidget* window = mainWindow->handle();
        const int top = mainMenuBar()->height();
        QCOMPARE(mainMenuBar()->geometry(), QRect(0, 0, window->width(), top));
        const auto inWindow = [window](SCC& control) {
            return QRect(control.handle()->mapTo(window, QPoint(0, 0)), control.handle()->size());
        };
        QCOMPARE(inWindow(*saveButton), QRect(256, top, 85, 20));
        QCOMPARE(inWindow(*reloadButton), QRect(341, top, 85, 20));
        QCOMPARE(inWindow(*exitButton), QRect(426, top, 85, 20));
        QCOMPARE(qobject_cast<QPushButton*>(exitButton->handle())->text(), QString("Exit"));
        QCOMPARE(inWindow(*stageCombo).topLeft(), QPoint(0, top));
        QCOMPARE(inWindow(*paletteCombo).topLeft(), QPoint(128, top));
        QCOMPARE(stageCombo->handle()->width(), 128);

        const QSize client = window->size() - QSize(0, top);
        QCOMPARE(inWindow(*tabControl), QRect(0, top + 20, client.width(), client.height() - 20));
        // Under the tab labels, 4 pixels less high than the tab control.
        QCOMPARE(inWindow(*editArea), QRect(0, top + 40, client.width(), client.height() - 24));
        QCOMPARE(scrollBar->handle()->geometry(), QRect(0, 256, 512, 16));

        // Every tab, and so its caption, ends above the editing area, at any scale.
        const QTabBar* tabs = qobject_cast<QTabWidget*>(tabControl->handle())->tabBar();
        for (int tab = 0; tab < tabs->count(); ++tab)
            QVERIFY(tabs->mapTo(window, tabs->tabRect(tab).bottomLeft()).y() < inWindow(*editArea).top());
    }

    void theSmallControlsUseTheTwelvePixelFixedPitchFont()
    {
        for (QWidget* widget : {stageCombo->handle(), tabControl->handle(), stepButtons[5]->handle()}) {
            QCOMPARE(widget->font().pixelSize(), 12);
            QVERIFY(widget->font().fixedPitch());
        }
        QVERIFY(saveButton->handle()->font().pixelSize() != 12 || !saveButton->handle()->font().fixedPitch());
    }

    void mapShowsTheFirstEightButtons()
    {
        const char* labels[] = {"+1", "-1", "+1", "-1", "+4", "-4", "+4", "-4"};
        for (int index = 0; index < 8; ++index)
            QCOMPARE(stepButton(index)->text(), QString(labels[index]));
        QCOMPARE(visibleStepButtons(), range(0, 7));
        QCOMPARE(stepButton(0)->geometry(), QRect(128, 320, 40, 16));
        QCOMPARE(stepButton(7)->geometry(), QRect(424, 336, 40, 16));
        QVERIFY(scrollBar->handle()->isVisibleTo(editArea->handle()));
    }

    void objectShowsFourRowsWithDelAndIns()
    {
        chooseTab(1);
        QCOMPARE(theEditor.curTab, 1);
        QCOMPARE(visibleStepButtons(), range(0, 17));
        QCOMPARE(stepButton(0)->text(), QString("-1"));
        QCOMPARE(stepButton(0)->geometry(), QRect(208, 280, 20, 20));
        QCOMPARE(stepButton(12)->text(), QString("Del"));
        QCOMPARE(stepButton(12)->geometry(), QRect(288, 280, 24, 20));
        QCOMPARE(stepButton(13)->text(), QString("Ins"));
        // The steps of eight for x and y are the last four buttons.
        QCOMPARE(stepButton(14)->text(), QString("-8"));
        QCOMPARE(stepButton(14)->geometry(), QRect(188, 328, 20, 20));
        QCOMPARE(stepButton(17)->geometry(), QRect(248, 352, 20, 20));
        QCOMPARE(scrollInfo.nMax, 46);
    }

    void mapSetHidesEveryButtonAndKeepsThePosition()
    {
        setScrollPos(40);
        chooseTab(2);
        QVERIFY(visibleStepButtons().empty());
        QCOMPARE(scrollInfo.nMax, 30);
        QCOMPARE(scrollBarWidget()->maximum(), 30);
        // The position stays beyond the new maximum; the bar shows its end.
        QCOMPARE(theEditor.viewPos, 40);
        QCOMPARE(scrollInfo.nPos, 40);
        QCOMPARE(scrollBarWidget()->value(), 30);
    }

    void chipSetAndChipHideTheScrollBarAndKeepItsRange()
    {
        chooseTab(2);
        chooseTab(3);
        QVERIFY(!scrollBar->handle()->isVisibleTo(editArea->handle()));
        QCOMPARE(scrollInfo.nMax, 30);
        QCOMPARE(visibleStepButtons(), std::set<int>{0});
        QCOMPARE(stepButton(0)->text(), QString("set change"));
        QCOMPARE(stepButton(0)->geometry(), QRect(0, 257, 72, 20));

        chooseTab(4);
        QVERIFY(!scrollBar->handle()->isVisibleTo(editArea->handle()));
        QCOMPARE(scrollInfo.nMax, 30);
        QCOMPARE(visibleStepButtons(), range(0, 4));
        QCOMPARE(stepButton(0)->text(), QString("change"));
        QCOMPARE(stepButton(0)->geometry(), QRect(320, 288, 48, 20));
        QCOMPARE(stepButton(3)->text(), QString("+4"));
        QCOMPARE(stepButton(3)->geometry(), QRect(320, 320, 20, 20));

        chooseTab(0);
        QVERIFY(scrollBar->handle()->isVisibleTo(editArea->handle()));
        QCOMPARE(scrollInfo.nMax, 46);
        QCOMPARE(visibleStepButtons(), range(0, 7));
    }

    void scrollingKeepsWithinTheRange()
    {
        scrollBy(-5);
        QCOMPARE(scrollInfo.nPos, 0);
        scrollBy(100);
        QCOMPARE(scrollInfo.nPos, 46);
        QCOMPARE(theEditor.viewPos, 46);
        QCOMPARE(scrollBarWidget()->value(), 46);
        scrollBy(-1);
        QCOMPARE(theEditor.viewPos, 45);
    }

    void textsAreBlackOnWhiteAtTheirTopLeftCorner()
    {
        constexpr Colour kRed = rgb(0xFF, 0, 0);
        Surface surface(200, 100);
        surface.fillAll(kRed);
        applicationHost().drawText(surface, 20, 30, "Page:2F");

        int black = 0;
        int white = 0;
        for (int y = 30; y < 40; ++y)
            for (int x = 20; x < 40; ++x) {
                black += surface.pixel(x, y) == kBlack;
                white += surface.pixel(x, y) == kWhite;
            }
        QVERIFY(black > 0);
        QVERIFY(white > 0);
        QCOMPARE(surface.pixel(20, 30), kWhite);  // an opaque background from the corner on
        QCOMPARE(surface.pixel(19, 30), kRed);
        QCOMPARE(surface.pixel(20, 29), kRed);

        // Clipped at the surface's edges instead of writing past them.
        applicationHost().drawText(surface, 190, 95, "Page:2F");
        applicationHost().drawText(surface, -10, -5, "Page:2F");
        QCOMPARE(surface.pixel(190, 99), kWhite);
        QCOMPARE(surface.pixel(189, 99), kRed);
        QVERIFY(surface.pixel(0, 0) != kRed);
    }

    void theComposedViewReachesTheEditingArea()
    {
        chooseTab(2);
        theEditor.refresh(0);
        const QImage* picture = staticPicture(editArea->handle());
        QVERIFY(picture);
        // The area is as wide as the client area leaves it (the frame takes a few
        // pixels); where both reach, the view's pixels and the area's agree.
        QCOMPARE(picture->size(), editArea->handle()->size());
        const int right = std::min(picture->width(), 512) - 1;
        for (int y : {0, 100, 255, 300, 527})
            for (int x : {0, 255, 256, right})
                QCOMPARE(Colour(picture->pixel(x, y)), theEditor.viewSurface.pixel(x, y));
    }

    // An idle frame leaves the area's picture alone; a picture changed behind the
    // editor's back is put right by the next frame.
    void anUnchangedFrameLeavesThePictureAlone()
    {
        chooseTab(2);
        theEditor.refresh(0);
        QImage* picture = staticPicture(editArea->handle());
        QVERIFY(picture);
        const qint64 shown = picture->cacheKey();
        theEditor.refresh(1);
        QCOMPARE(picture->cacheKey(), shown);

        picture->fill(Qt::red);
        theEditor.refresh(0);
        QCOMPARE(Colour(picture->pixel(300, 300)), theEditor.viewSurface.pixel(300, 300));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
