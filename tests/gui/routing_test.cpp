// Real key, mouse and control events through the window procedures: editing, the
// selections, the scroll bar, Save and Reload (also when they fail), the refusal boxes,
// the frame clock's standstill while inactive, and the ways the loop ends.

#include <cstring>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "gui_support.h"
#include "shell/main_window/selections.h"
#include "shell/main_window/window_procs.h"
#include "shell/startup/startup.h"

namespace {

QComboBox* combo(const std::unique_ptr<SCC>& control)
{
    return qobject_cast<QComboBox*>(control->handle());
}

QScrollBar* scrollBarWidget()
{
    return qobject_cast<QScrollBar*>(scrollBar->handle());
}

// The user's choices in the controls.
void chooseTab(int tab)
{
    qobject_cast<QTabWidget*>(tabControl->handle())->setCurrentIndex(tab);
}

void chooseStage(int stage)
{
    combo(stageCombo)->setCurrentIndex(stage);
}

void choosePaletteSet(int paletteSet)
{
    combo(paletteCombo)->setCurrentIndex(paletteSet);
}

void click(const std::unique_ptr<SCC>& button)
{
    QTest::mouseClick(button->handle(), Qt::LeftButton);
}

void clickStepButton(int index)
{
    click(stepButtons[std::size_t(index)]);
}

// A key pressed where the keyboard focus is, as the user would press it.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : mainWindow->handle(), key, modifiers);
}

QString hex2(int value)
{
    return QString("%1").arg(value, 2, 16, QChar('0')).toUpper();
}

struct AnimationState {
    std::vector<std::pair<int, int>> counterAndFrame;
    friend bool operator==(const AnimationState&, const AnimationState&) = default;
};

AnimationState animationState()
{
    AnimationState state;
    for (const PaletteAnimation& animation : theEditor.palAnim)
        state.counterAndFrame.emplace_back(animation.counter, animation.frame);
    return state;
}

}  // namespace

class RoutingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string demoPath;
    TextRecordingHost host;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // Backups of the saves below go here, not into the user's state folder.
        qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());
        demoPath = startOnDemoImage(dir);
        QVERIFY(!demoPath.empty());
        theEditor.setHost(&host);
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
    }

    void cleanupTestCase() { releaseUi(); }

    // Every test starts from the file's data on stage 0, palette set 0, "MAP", with the
    // main window active and holding the focus.
    void init()
    {
        romPath = demoPath;
        theEditor.loadRom(romPath);
        host.selectStage(0);
        host.selectPaletteEntry(0);
        host.selectTab(0);
        applySelections();
        setScrollPos(0);
        theEditor.curObject = 0;
        theEditor.curChipSet = 0;
        theEditor.history.start(theEditor);
        mainWindow->handle()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
        QTRY_VERIFY(appActive);
        mainWindow->setFocus();
        boxes = std::make_unique<MessageBoxRecorder>();
        host.texts.clear();
    }

    void cleanup() { boxes.reset(); }

    void rightInObjectMovesTheObjectAndThePanelShowsIt()
    {
        chooseTab(1);
        ObjectRecord& object = theEditor.object[0][0];
        QVERIFY(object.isUsed());
        object.x = 0x40;

        pressKey(Qt::Key_Right);
        QCOMPARE(int(object.x), 0x41);
        pressKey(Qt::Key_Right, Qt::ShiftModifier);  // Shift steps by sixteen
        QCOMPARE(int(object.x), 0x51);

        QVERIFY(runLoopFor(100));
        QCOMPARE(QString::fromStdString(host.textAt(88, 328)), "X:" + hex2(0x51));
    }

    void draggingWithTheLeftButtonInMapSetPaintsCells()
    {
        chooseTab(2);
        theEditor.curChipSet = 0x5A;
        auto& cells = theEditor.mapSet[0][0];
        for (int column = 1; column <= 4; ++column)
            cells[column * 8 + 1] = 0;

        QWidget* area = editArea->handle();
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QTest::mouseMove(area, QPoint(72, 40));
        QTest::mouseMove(area, QPoint(104, 40));
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(104, 40));
        QTest::mouseMove(area, QPoint(136, 40));  // no button: the cursor follows only

        QCOMPARE(int(cells[1 * 8 + 1]), 0x5A);
        QCOMPARE(int(cells[2 * 8 + 1]), 0x5A);
        QCOMPARE(int(cells[3 * 8 + 1]), 0x5A);
        QCOMPARE(int(cells[4 * 8 + 1]), 0);
        QCOMPARE(theEditor.cursorCol, 4);
        QCOMPARE(theEditor.cursorRow, 1);
        // A click over the editing area gives the keyboard back to the main window.
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
    }

    void withBothButtonsHeldTheLeftActsUntilItIsReleased()
    {
        chooseTab(2);
        theEditor.curChipSet = 0x21;
        auto& cells = theEditor.mapSet[0][0];
        cells[0 * 8 + 0] = 0x44;  // column 0, row 0
        cells[1 * 8 + 0] = 0;     // column 1, row 0

        QWidget* area = editArea->handle();
        QTest::mousePress(area, Qt::RightButton, Qt::NoModifier, QPoint(8, 8));
        QCOMPARE(theEditor.curChipSet, 0x44);  // the right button picks
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(int(cells[1 * 8 + 0]), 0x44);  // both held: the left paints
        cells[1 * 8 + 0] = 0x55;
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(40, 8));
        QCOMPARE(theEditor.curChipSet, 0x55);  // only the right is held again
        QTest::mouseRelease(area, Qt::RightButton, Qt::NoModifier, QPoint(40, 8));
        cells[1 * 8 + 0] = 0x66;
        QTest::mouseMove(area, QPoint(41, 8));
        QCOMPARE(theEditor.curChipSet, 0x55);
        QCOMPARE(int(cells[1 * 8 + 0]), 0x66);
    }

    // What the routing hands the history: a drag is one step, a key another, a Reload
    // a third; Ctrl+Z takes them back in turn, Ctrl+Y puts one back.
    void ctrlZUndoesADragAKeyAndAReloadOneStepEach()
    {
        chooseTab(2);
        theEditor.curChipSet = 0x5A;
        const auto before = std::to_array(theEditor.mapSet[0][0]);
        QWidget* area = editArea->handle();
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QTest::mouseMove(area, QPoint(72, 40));
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(72, 40));
        chooseTab(0);
        const int page = theEditor.pageSet[0][0];
        pressKey(Qt::Key_Up);
        click(reloadButton);
        QCOMPARE(int(theEditor.pageSet[0][0]), page);
        QVERIFY(std::to_array(theEditor.mapSet[0][0]) == before);

        pressKey(Qt::Key_Z, Qt::ControlModifier);  // the Reload
        QCOMPARE(int(theEditor.pageSet[0][0]), (page + 1) % 32);
        QCOMPARE(int(theEditor.mapSet[0][0][2 * 8 + 1]), 0x5A);
        pressKey(Qt::Key_Z, Qt::ControlModifier);  // the key
        QCOMPARE(int(theEditor.pageSet[0][0]), page);
        pressKey(Qt::Key_Z, Qt::ControlModifier);  // the whole drag
        QVERIFY(std::to_array(theEditor.mapSet[0][0]) == before);
        pressKey(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(int(theEditor.mapSet[0][0][2 * 8 + 1]), 0x5A);
        QVERIFY(boxes->boxes.empty());
    }

    // The toolkit follows the second press of a double click with a double-click event
    // of its own; that is no further pointer input, so it must not act again.
    void aDoubleClickActsOncePerPress()
    {
        chooseTab(3);
        theEditor.curChipSet = 0x05;
        QWidget* area = editArea->handle();
        const QPoint point(40, 40);
        QTest::mousePress(area, Qt::RightButton, Qt::NoModifier, point);  // shows the other half
        QTest::mouseRelease(area, Qt::RightButton, Qt::NoModifier, point);
        QTest::mousePress(area, Qt::RightButton, Qt::NoModifier, point);  // and back
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(point), area->mapToGlobal(QPointF(point)),
                                Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(area, &doubleClick);
        QTest::mouseRelease(area, Qt::RightButton, Qt::NoModifier, point);
        QCOMPARE(theEditor.curChipSet, 0x05);
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
    }

    void stepButtonsRunTheirCommandAndLeaveTheFocusOnTheWindow()
    {
        const int before = theEditor.pageSet[0][0];
        clickStepButton(4);  // "+4" under the left page
        QCOMPARE(int(theEditor.pageSet[0][0]), (before + 4) % 32);
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());

        pressKey(Qt::Key_Up);  // keys still reach the editor: +1 on the left page
        QCOMPARE(int(theEditor.pageSet[0][0]), (before + 5) % 32);
    }

    void aStageChosenInTheComboResetsTheObjectButNotFromTheKeyboard()
    {
        theEditor.curObject = 5;
        chooseStage(3);
        QCOMPARE(theEditor.curStage, 3);
        QCOMPARE(theEditor.curObject, 0);
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());

        theEditor.curObject = 5;
        pressKey(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(theEditor.curStage, 4);
        QCOMPARE(combo(stageCombo)->currentText(), QString("4 - ring"));
        QCOMPARE(theEditor.curObject, 5);
    }

    // Clicks that choose nothing must not leave the focus on the control either.
    void keysStillReachTheEditorAfterClicksThatChangeNothing()
    {
        QComboBox* stages = combo(stageCombo);
        QTest::mouseClick(stages, Qt::LeftButton);
        QTRY_VERIFY(stages->view()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!stages->view()->isVisible());
        pressKey(Qt::Key_T);  // a combo box would take it as a search for an item
        QCOMPARE(theEditor.curTab, 1);
        QCOMPARE(theEditor.curStage, 0);

        QTest::mouseClick(stages, Qt::LeftButton);
        QTRY_VERIFY(stages->view()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the item already chosen
        QTRY_VERIFY(!stages->view()->isVisible());
        pressKey(Qt::Key_T);
        QCOMPARE(theEditor.curTab, 2);
        QCOMPARE(theEditor.curStage, 0);

        QTest::mousePress(saveButton->handle(), Qt::LeftButton);
        QTest::mouseRelease(saveButton->handle(), Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
        theEditor.cursorCol = 0;
        pressKey(Qt::Key_Right);  // a button would move the focus to the next control
        QCOMPARE(theEditor.cursorCol, 1);
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
    }

    void aPaletteSetChosenInTheComboAppliesToEveryStage()
    {
        theEditor.curObject = 2;
        choosePaletteSet(2);
        QCOMPARE(theEditor.curPalSet, 2);
        QCOMPARE(theEditor.curObject, 0);
        for (int stage = 0; stage < kStageCount; ++stage)
            QVERIFY(std::memcmp(&theEditor.curPal[stage], &theEditor.palSet[stage][2], sizeof(PaletteRecord)) == 0);
    }

    void aTabChosenByTheUserLaysOutItsView()
    {
        pressKey(Qt::Key_T);
        QCOMPARE(theEditor.curTab, 1);
        // A plain Tab does not wander off into the toolkit's focus chain.
        pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
        QCOMPARE(theEditor.curTab, 1);

        chooseTab(4);
        QCOMPARE(theEditor.curTab, 4);
        QVERIFY(!scrollBar->handle()->isVisibleTo(editArea->handle()));
        pressKey(Qt::Key_Tab, Qt::ControlModifier);  // Ctrl+Tab stops at the last view
        QCOMPARE(theEditor.curTab, 4);
        pressKey(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(theEditor.curTab, 3);
        QCOMPARE(qobject_cast<QTabWidget*>(tabControl->handle())->currentIndex(), 3);
    }

    void theScrollBarsActionsMoveTheView()
    {
        QScrollBar* bar = scrollBarWidget();
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(scrollInfo.nPos, 46);
        QCOMPARE(theEditor.viewPos, 46);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // already at the end
        QCOMPARE(theEditor.viewPos, 46);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(theEditor.viewPos, 45);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(theEditor.viewPos, 44);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(theEditor.viewPos, 0);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // already at the start
        QCOMPARE(theEditor.viewPos, 0);
        QCOMPARE(bar->value(), 0);
    }

    void scrollCodesFollowTheTable()
    {
        SCROLLINFO info;
        info.nMin = 0;
        info.nMax = 30;
        info.nPage = 1;
        info.nPos = 40;  // left over from a view with a larger range
        QCOMPARE(scrolledPosition(SB_LINERIGHT, 0, info), 40);
        QCOMPARE(scrolledPosition(SB_PAGERIGHT, 0, info), 30);
        QCOMPARE(scrolledPosition(SB_LINELEFT, 0, info), 39);
        QCOMPARE(scrolledPosition(SB_THUMBTRACK, 7, info), 7);
        QCOMPARE(scrolledPosition(SB_THUMBPOSITION, 9, info), 9);
        QCOMPARE(scrolledPosition(SB_LEFT, 0, info), 0);
        QCOMPARE(scrolledPosition(SB_RIGHT, 0, info), 30);
        QCOMPARE(scrolledPosition(SB_ENDSCROLL, 0, info), 40);
        info.nPos = 0;
        QCOMPARE(scrolledPosition(SB_LINELEFT, 0, info), 0);
        QCOMPARE(scrolledPosition(SB_PAGELEFT, 0, info), 0);
    }

    void reloadRereadsTheFileAndKeepsEverySelection()
    {
        chooseStage(2);
        choosePaletteSet(1);
        chooseTab(1);
        scrollBarWidget()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        scrollBarWidget()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        theEditor.curObject = 1;
        const std::uint8_t original = theEditor.object[2][0].x;
        theEditor.object[2][0].x = std::uint8_t(original ^ 0xFF);

        click(reloadButton);

        QCOMPARE(theEditor.object[2][0].x, original);
        QCOMPARE(theEditor.curStage, 2);
        QCOMPARE(theEditor.curPalSet, 1);
        QCOMPARE(theEditor.curTab, 1);
        QCOMPARE(theEditor.viewPos, 2);
        QCOMPARE(scrollInfo.nPos, 2);
        QCOMPARE(combo(stageCombo)->currentIndex(), 2);
        QCOMPARE(combo(paletteCombo)->currentIndex(), 1);
        QVERIFY(boxes->boxes.empty());
        QCOMPARE(QApplication::focusWidget(), mainWindow->handle());
    }

    void saveWritesTheFileAndChangesNothingOnScreen()
    {
        const std::vector<std::uint8_t> before = readFile(romPath);
        clickStepButton(0);  // "+1" on the left page
        const int changed = theEditor.pageSet[0][0];

        pressKey(Qt::Key_S, Qt::ControlModifier);  // presses "Save"

        QVERIFY(boxes->boxes.empty());
        QVERIFY(readFile(romPath) != before);
        QCOMPARE(readFile(romPath).size(), before.size());
        auto reread = std::make_unique<EDITOR>();
        reread->loadRom(romPath);
        QCOMPARE(int(reread->pageSet[0][0]), changed);
        QCOMPARE(theEditor.curTab, 0);
        QCOMPARE(theEditor.viewPos, 0);
    }

    void aFailedSaveShowsTheErrorAndKeepsTheEdits()
    {
        romPath = dir.filePath("no-such-folder/demo.nes").toStdString();
        chooseTab(1);
        theEditor.object[0][0].y = 0x33;

        click(saveButton);

        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        const MessageBoxRequest& box = boxes->boxes.front();
        QCOMPARE(QString::fromStdString(box.caption), QString("error"));
        QCOMPARE(box.flags, MB_ICONEXCLAMATION);
        QCOMPARE(box.owner, mainWindow->handle());
        QVERIFY(box.text == "file '" + romPath + "' not found" || box.text == "unable to write to stream");
        // Still running, with the edit and the view as they were.
        QCOMPARE(int(theEditor.object[0][0].y), 0x33);
        QCOMPARE(theEditor.curTab, 1);
        QVERIFY(runLoopFor(50));
    }

    void aSaveWhoseBackupCannotBeMadeSavesAndSaysSoOnce()
    {
        // A file where the state folder should be: no backup can be made.
        const QString blocked = dir.filePath("blocked");
        std::ofstream(blocked.toStdString()) << "in the way";
        qputenv("XDG_STATE_HOME", blocked.toLocal8Bit());
        for (const std::uint8_t value : {0x11, 0x12}) {
            theEditor.pageSet[0][0] = value;
            click(saveButton);
        }
        qputenv("XDG_STATE_HOME", dir.filePath("state").toLocal8Bit());

        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes.front().caption, std::string("warning"));
        QVERIFY(boxes->boxes.front().text.starts_with("The image was saved, but no copy of '" + romPath + "'"));
        auto reread = std::make_unique<EDITOR>();
        reread->loadRom(romPath);
        QCOMPARE(int(reread->pageSet[0][0]), 0x12);
    }

    void aFailedReloadShowsTheErrorAndKeepsTheEdits()
    {
        chooseStage(1);
        theEditor.object[1][0].data = 0x77;
        romPath = dir.filePath("vanished.nes").toStdString();

        pressKey(Qt::Key_R, Qt::ControlModifier);  // presses "Reload"

        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes.front().text, "file '" + romPath + "' not found");
        QCOMPARE(boxes->boxes.front().caption, std::string("error"));
        QCOMPARE(int(theEditor.object[1][0].data), 0x77);
        QCOMPARE(theEditor.curStage, 1);
        QVERIFY(runLoopFor(50));

        // A short image is refused as a whole too.
        const std::vector<std::uint8_t> demo = readFile(demoPath);
        romPath = dir.filePath("short.nes").toStdString();
        std::ofstream(romPath, std::ios::binary).write(reinterpret_cast<const char*>(demo.data()), 0x1000);
        click(reloadButton);
        QCOMPARE(boxes->boxes.size(), std::size_t(2));
        QCOMPARE(boxes->boxes.back().text, std::string("not enough data in stream"));
        QCOMPARE(int(theEditor.object[1][0].data), 0x77);
    }

    void refusalsAreBoxesThatChangeNothing()
    {
        chooseTab(1);
        for (int slot = 1; slot < kObjectSlots; ++slot)
            theEditor.object[0][slot].page = 0x30;
        const ObjectRecord kept = theEditor.object[0][0];

        clickStepButton(12);  // "Del" on the list's last object

        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes.front().text, std::string("It cannot erase any more!"));
        QCOMPARE(boxes->boxes.front().caption, std::string("error"));
        QCOMPARE(boxes->boxes.front().flags, MB_ICONEXCLAMATION);
        QCOMPARE(boxes->boxes.front().owner, mainWindow->handle());
        QVERIFY(std::memcmp(&theEditor.object[0][0], &kept, sizeof kept) == 0);
    }

    void anInactiveWindowDoesNotAnimate()
    {
        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!appActive);

        const AnimationState before = animationState();
        const int shown = host.viewsShown();
        QVERIFY(runLoopFor(200));
        QCOMPARE(animationState(), before);
        QCOMPARE(host.viewsShown(), shown);

        // A repaint while inactive redraws the view without stepping the animation.
        editArea->handle()->repaint();
        QVERIFY(host.viewsShown() > shown);
        QCOMPARE(animationState(), before);

        mainWindow->handle()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
        QTRY_VERIFY(appActive);
        // Active again, the frame clock shows the animation's next frames.
        const int shownActive = host.viewsShown();
        QVERIFY(runLoopFor(300));
        QVERIFY(host.viewsShown() > shownActive);
        QVERIFY(animationState() != before);
    }

    void exitEndsTheLoopWithoutAQuestion()
    {
        theEditor.pageSet[0][0] ^= 1;  // unsaved
        QTimer::singleShot(20, [] { click(exitButton); });
        QVERIFY(!runLoopFor(3000));
        QVERIFY(boxes->boxes.empty());

        QTimer::singleShot(20, [] { pressKey(Qt::Key_Q, Qt::ControlModifier); });
        QVERIFY(!runLoopFor(3000));
    }

    // Last: the window is gone afterwards.
    void theCloseBoxEndsTheLoop()
    {
        QTimer::singleShot(20, [] { mainWindow->handle()->close(); });
        QVERIFY(!runLoopFor(3000));
        QVERIFY(boxes->boxes.empty());
    }
};

QTEST_MAIN(RoutingTest)
#include "routing_test.moc"
