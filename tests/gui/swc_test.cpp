// The window wrappers on the offscreen platform: identifiers and creation failures,
// subclassing, and the translation of real Qt input into window messages.

#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "swc/swc.h"
#include "swc/top_level_window.h"

namespace {

struct Message {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// What the test procedures saw. Procedures are plain functions, so the logs are too.
std::vector<Message> windowLog;
std::vector<Message> areaLog;
SCC* subclassedArea = nullptr;

// Details that only exist while a message is handled.
struct HitTest {
    POINT client;
    bool leftHeld;
};
std::vector<HitTest> hitTests;
std::vector<NMHDR> notifyHeaders;
bool controlHeldAtKey = false;

// A program position the scroll bar must follow; -1 leaves the bar alone.
HWND scrollBarToSet = nullptr;
int scrollPositionToSet = -1;

std::vector<UINT> messagesOf(const std::vector<Message>& log, UINT msg)
{
    std::vector<UINT> found;
    for (const Message& m : log) {
        if (m.msg == msg)
            found.push_back(m.msg);
    }
    return found;
}

const Message* lastOf(const std::vector<Message>& log, UINT msg)
{
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->msg == msg)
            return &*it;
    }
    return nullptr;
}

LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    windowLog.push_back({hwnd, msg, wParam, lParam});
    if (msg == WM_KEYDOWN)
        controlHeldAtKey = (GetKeyState(0x11) & 0x8000) != 0;
    if (msg == WM_NOTIFY)
        notifyHeaders.push_back(*reinterpret_cast<const NMHDR*>(lParam));
    if (msg == WM_HSCROLL && scrollPositionToSet >= 0) {
        SCROLLINFO info;
        info.fMask = SIF_POS;
        info.nPos = scrollPositionToSet;
        SetScrollInfo(scrollBarToSet, SB_CTL, &info, true);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT areaProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    areaLog.push_back({hwnd, msg, wParam, lParam});
    if (msg == WM_NCHITTEST) {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        hitTests.push_back({ScreenToClient(hwnd, screen), (GetKeyState(0x01) & 0x8000) != 0});
    }
    return subclassedArea->callPreviousProc(msg, wParam, lParam);
}

LRESULT otherProc(HWND, UINT, WPARAM, LPARAM)
{
    return 42;
}

std::string uniqueClassName()
{
    static int count = 0;
    return "swctestwindow" + std::to_string(++count);
}

// A shown main window of its own class, with windowProc.
std::unique_ptr<EWC> makeWindow(std::uint32_t style = WS_VISIBLE | WS_SYSMENU)
{
    auto window = std::make_unique<EWC>();
    window->windowStyle = style;
    const std::string name = uniqueClassName();
    window->create(name.c_str(), "test", windowProc);
    window->move(0, 0, 514, 588);
    return window;
}

std::string errorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AssertError& error) {
        return error.what();
    }
    return "no error";
}

}  // namespace

class SwcTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        windowLog.clear();
        areaLog.clear();
        hitTests.clear();
        notifyHeaders.clear();
        subclassedArea = nullptr;
        scrollBarToSet = nullptr;
        scrollPositionToSet = -1;
        setMessageBoxHandler(nullptr);
    }

    // Wrappers never destroy their windows; the tests do, so none outlives its test.
    void cleanup()
    {
        subclassedArea = nullptr;
        // Popups of combo boxes are top-level too but belong to their combo box.
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->parentWidget())
                windows.emplace_back(widget);
        }
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
    }

    // Runs first: the identifier counter is process-wide.
    void identifiersAreTakenByTheWrapperNotTheWindow()
    {
        SCC first, second, third;
        QCOMPARE(first.id(), 10000u);
        QCOMPARE(second.id(), 10001u);
        QCOMPARE(third.id(), 10002u);

        auto window = makeWindow();
        first.create("BUTTON", "one", *window);
        third.create("STATIC", "", *window);
        QVERIFY(first.handle());
        QVERIFY(!second.handle());
        QVERIFY(third.handle());
        SCC fourth;
        QCOMPARE(fourth.id(), 10003u);
    }

    void controlsAreBornVisibleAtTheOriginWithNoSize()
    {
        auto window = makeWindow();
        for (const char* name : {"BUTTON", "COMBOBOX", "STATIC", "SCROLLBAR", "SysTabControl32"}) {
            SCC control;
            control.create(name, "", *window);
            QVERIFY2(control.handle(), name);
            QCOMPARE(swc::ownerOfClientArea(control.handle()->parentWidget()), window->handle());
            QVERIFY2(control.handle()->isVisibleTo(window->handle()), name);
            QCOMPARE(control.handle()->geometry(), QRect(0, 0, 0, 0));
            const RECT client = control.clientRect();
            QCOMPARE(client.right, 0);
            QCOMPARE(client.bottom, 0);
        }
        SCC hidden;
        hidden.windowStyle = WS_CHILD;
        hidden.create("BUTTON", "", *window);
        QVERIFY(!hidden.handle()->isVisibleTo(window->handle()));
    }

    void failuresRaiseTheAssertionTextOfTheirCheck()
    {
        auto window = makeWindow();
        const std::string name = uniqueClassName();
        EWC firstOfClass;
        firstOfClass.create(name.c_str(), "first", windowProc);
        EWC secondOfClass;
        QCOMPARE(errorText([&] { secondOfClass.create(name.c_str(), "second", windowProc); }),
                 std::string("AssertError Failure swc(103)"));
        QVERIFY(!secondOfClass.handle());

        SCC unknown;
        QCOMPARE(errorText([&] { unknown.create("LISTBOX", "", *window); }),
                 std::string("AssertError Failure swc(199)"));
        QVERIFY(!unknown.handle());

        SCC orphan;
        SCC parentWithoutWindow;
        QCOMPARE(errorText([&] { orphan.create("BUTTON", "", parentWithoutWindow); }),
                 std::string("AssertError Failure swc(199)"));

        // A class can be registered again only once its windows are gone.
        QVERIFY(!UnregisterClassA(name.c_str()));
        DestroyWindow(firstOfClass.handle());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(UnregisterClassA(name.c_str()));
        QVERIFY(!UnregisterClassA(name.c_str()));
        EWC again;
        again.create(name.c_str(), "again", windowProc);
        QVERIFY(again.handle());
    }

    void windowTexts()
    {
        auto window = makeWindow();
        QCOMPARE(window->getText(), std::string("test"));
        SCC empty;
        empty.create("STATIC", nullptr, *window);
        QCOMPARE(empty.getText(), std::string());

        SCC button;
        button.create("BUTTON", "Save", *window);
        QCOMPARE(button.getText(), std::string("Save"));
        button.setText("+4");
        QCOMPARE(qobject_cast<QPushButton*>(button.handle())->text(), QString("+4"));
        window->setText("Quarrix Editor ver.1.2.0");
        QCOMPARE(window->handle()->windowTitle(), QString("Quarrix Editor ver.1.2.0"));
    }

    void subclassingTwiceKeepsTheClassProcedure()
    {
        auto window = makeWindow();
        SCC area;
        area.create("STATIC", "", *window);
        QCOMPARE(area.sendMessage(WM_NCHITTEST, 0, 0), HTTRANSPARENT);

        area.subclass(otherProc);
        WNDPROC saved = area.previousProc;
        QVERIFY(saved);
        subclassedArea = &area;
        area.subclass(areaProc);
        QVERIFY(area.previousProc == saved);
        // Messages reach the newest procedure, which can still reach the class's own.
        QCOMPARE(area.sendMessage(WM_NCHITTEST, 0, MAKELPARAM(1, 2)), HTTRANSPARENT);
        QCOMPARE(areaLog.size(), size_t(1));

        area.unsubclass();
        QVERIFY(!area.previousProc);
        QCOMPARE(area.sendMessage(WM_NCHITTEST, 0, 0), HTTRANSPARENT);
        QCOMPARE(areaLog.size(), size_t(1));
        area.unsubclass();
        QVERIFY(!area.previousProc);
        QCOMPARE(area.sendMessage(WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    }

    void topLevelStyleDecidesTheFrame()
    {
        auto fixed = makeWindow(WS_VISIBLE | WS_SYSMENU);
        QWidget* widget = fixed->handle();
        QVERIFY(widget->isVisible());
        QCOMPARE(widget->minimumSize(), widget->maximumSize());
        QVERIFY(widget->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!widget->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(widget->focusPolicy(), Qt::StrongFocus);
        const RECT outer = fixed->windowRect();
        QCOMPARE(outer.right - outer.left, 514);
        QCOMPARE(outer.bottom - outer.top, 588);

        EWC sizable;
        QCOMPARE(sizable.windowStyle, std::uint32_t(0x100F0000));
        const std::string name = uniqueClassName();
        sizable.create(name.c_str(), "sizable", windowProc);
        sizable.move(10, 10, 300, 200);
        QVERIFY(sizable.handle()->minimumSize() != sizable.handle()->maximumSize());
        QVERIFY(sizable.handle()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void keysArriveAsVirtualKeyCodes()
    {
        auto window = makeWindow();
        SCC button;
        button.create("BUTTON", "Save", *window);
        button.move(256, 0, 85, 20);
        QWidget* widget = window->handle();
        window->activate();
        QVERIFY(QTest::qWaitForWindowActive(widget));
        window->setFocus();
        QVERIFY(widget->hasFocus());

        const std::vector<std::pair<Qt::Key, WPARAM>> keys = {
            {Qt::Key_Right, 0x27},  {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},    {Qt::Key_Down, 0x28},
            {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22}, {Qt::Key_Home, 0x24},  {Qt::Key_End, 0x23},
            {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},    {Qt::Key_Space, 0x20}, {Qt::Key_Tab, 0x09},
            {Qt::Key_Escape, 0x1B}, {Qt::Key_Delete, 0x2E},   {Qt::Key_A, 'A'},      {Qt::Key_W, 'W'},
            {Qt::Key_7, '7'},       {Qt::Key_F1, 0x70},       {Qt::Key_F12, 0x7B},
        };
        for (const auto& [key, code] : keys) {
            windowLog.clear();
            QTest::keyClick(widget, key);
            const Message* down = lastOf(windowLog, WM_KEYDOWN);
            QVERIFY2(down, qPrintable(QString::number(int(key), 16)));
            QCOMPARE(down->wParam, code);
            QCOMPARE(down->lParam, LPARAM(1));
        }
        // Tab is the program's key: the focus stays on the window.
        QVERIFY(widget->hasFocus());

        windowLog.clear();
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(widget, &repeated);
        QCOMPARE(lastOf(windowLog, WM_KEYDOWN)->lParam, LPARAM(1) | (LPARAM(1) << 30));

        // The modifier state is exact while the key is handled.
        windowLog.clear();
        QTest::keyClick(widget, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(lastOf(windowLog, WM_KEYDOWN)->wParam, WPARAM('S'));
        QVERIFY(controlHeldAtKey);
        QCOMPARE(GetKeyState(0x11) & 0x8000, 0);
        QTest::keyClick(widget, Qt::Key_S);
        QVERIFY(!controlHeldAtKey);

        // With Alt held a key is the system menu's, not the program's.
        for (const auto& [key, code] : {std::pair{Qt::Key_Right, WPARAM(0x27)}, std::pair{Qt::Key_S, WPARAM('S')}}) {
            windowLog.clear();
            QTest::keyClick(widget, key, Qt::AltModifier);
            QVERIFY(!lastOf(windowLog, WM_KEYDOWN));
            QVERIFY(lastOf(windowLog, WM_SYSKEYDOWN));
            QCOMPARE(lastOf(windowLog, WM_SYSKEYDOWN)->wParam, code);
        }
        windowLog.clear();
        QTest::keyClick(widget, Qt::Key_F10);
        QVERIFY(!lastOf(windowLog, WM_KEYDOWN));
        QCOMPARE(lastOf(windowLog, WM_SYSKEYDOWN)->wParam, WPARAM(0x79));
    }

    void buttonClicksNotifyTheParentProcedure()
    {
        auto window = makeWindow();
        SCC save;
        save.create("BUTTON", "Save", *window);
        save.move(256, 0, 85, 20);
        QTest::mouseClick(save.handle(), Qt::LeftButton);
        const Message* command = lastOf(windowLog, WM_COMMAND);
        QVERIFY(command);
        QCOMPARE(LOWORD(command->wParam), save.id());
        QCOMPARE(HIWORD(command->wParam), BN_CLICKED);
        QCOMPARE(command->lParam, LPARAM(save.handle()));

        // BM_CLICK is a real click, even for a button the user cannot see.
        windowLog.clear();
        save.hide();
        save.sendMessage(BM_CLICK, 0, 0);
        QCOMPARE(messagesOf(windowLog, WM_COMMAND).size(), size_t(1));

        // A control parent passes its children's notifications to its subclass
        // procedure only; the main window does not see them.
        SCC area;
        area.create("STATIC", "", *window);
        area.move(0, 40, 512, 400);
        SCC step;
        step.create("BUTTON", "+1", area);
        step.move(128, 320, 40, 16);
        windowLog.clear();
        QTest::mouseClick(step.handle(), Qt::LeftButton);
        QVERIFY(areaLog.empty());
        QVERIFY(messagesOf(windowLog, WM_COMMAND).empty());
        subclassedArea = &area;
        area.subclass(areaProc);
        QTest::mouseClick(step.handle(), Qt::LeftButton);
        const Message* stepCommand = lastOf(areaLog, WM_COMMAND);
        QVERIFY(stepCommand);
        QCOMPARE(LOWORD(stepCommand->wParam), step.id());
        QCOMPARE(HIWORD(stepCommand->wParam), BN_CLICKED);
        QVERIFY(messagesOf(windowLog, WM_COMMAND).empty());
    }

    void comboBoxNotifiesOnlyTheUsersChoice()
    {
        auto window = makeWindow();
        SCC combo;
        combo.windowStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST;
        combo.create("COMBOBOX", nullptr, *window);
        QCOMPARE(combo.sendMessage(CB_ADDSTRING, 0, LPARAM("0 - bright")), LRESULT(0));
        QCOMPARE(combo.sendMessage(CB_ADDSTRING, 0, LPARAM("1 - toad")), LRESULT(1));
        QCOMPARE(combo.sendMessage(CB_ADDSTRING, 0, LPARAM("2 - drill")), LRESULT(2));
        QCOMPARE(combo.sendMessage(CB_GETCURSEL, 0, 0), CB_ERR);

        QCOMPARE(combo.sendMessage(CB_SETCURSEL, 1, 0), LRESULT(1));
        QCOMPARE(combo.sendMessage(CB_GETCURSEL, 0, 0), LRESULT(1));
        QCOMPARE(combo.getText(), std::string("1 - toad"));
        QCOMPARE(combo.sendMessage(CB_SETCURSEL, 7, 0), CB_ERR);
        QCOMPARE(combo.sendMessage(CB_GETCURSEL, 0, 0), CB_ERR);
        combo.sendMessage(CB_SETCURSEL, 0, 0);
        QVERIFY(messagesOf(windowLog, WM_COMMAND).empty());

        // The combo box's height includes its list; the box stays one line high.
        combo.move(0, 0, 128, 600);
        QVERIFY(combo.handle()->height() < 100);

        QTest::keyClick(combo.handle(), Qt::Key_Down);
        const Message* command = lastOf(windowLog, WM_COMMAND);
        QVERIFY(command);
        QCOMPARE(LOWORD(command->wParam), combo.id());
        QCOMPARE(HIWORD(command->wParam), CBN_SELCHANGE);
        QCOMPARE(command->lParam, LPARAM(combo.handle()));
        QCOMPARE(combo.sendMessage(CB_GETCURSEL, 0, 0), LRESULT(1));
    }

    void tabControlNotifiesOnlyTheUsersChoice()
    {
        auto window = makeWindow();
        SCC tabs;
        tabs.create("SysTabControl32", nullptr, *window);
        tabs.move(0, 20, 512, 500);
        for (const char* label : {"MAP", "OBJECT", "MAP SET"}) {
            TCITEMA item;
            item.mask = TCIF_TEXT;
            item.pszText = label;
            tabs.sendMessage(TCM_INSERTITEMA, WPARAM(tabs.handle()->findChild<QTabBar*>()->count()), LPARAM(&item));
        }
        auto* bar = tabs.handle()->findChild<QTabBar*>();
        QCOMPARE(bar->count(), 3);
        QCOMPARE(bar->tabText(2), QString("MAP SET"));
        QCOMPARE(tabs.sendMessage(TCM_GETCURSEL, 0, 0), LRESULT(0));
        QCOMPARE(tabs.sendMessage(TCM_SETCURSEL, 2, 0), LRESULT(0));
        QCOMPARE(tabs.sendMessage(TCM_GETCURSEL, 0, 0), LRESULT(2));
        QVERIFY(messagesOf(windowLog, WM_NOTIFY).empty());

        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs.sendMessage(TCM_GETCURSEL, 0, 0), LRESULT(1));
        QCOMPARE(notifyHeaders.size(), size_t(1));
        QCOMPARE(notifyHeaders[0].code, TCN_SELCHANGE);
        QCOMPARE(notifyHeaders[0].hwndFrom, tabs.handle());
        QCOMPARE(notifyHeaders[0].idFrom, std::uintptr_t(tabs.id()));
    }

    void fontComesAsAQFontPointer()
    {
        auto window = makeWindow();
        SCC combo;
        combo.create("COMBOBOX", nullptr, *window);
        QFont font("Monospace");
        font.setPixelSize(12);
        font.setFixedPitch(true);
        combo.sendMessage(WM_SETFONT, WPARAM(&font), 1);
        QCOMPARE(combo.handle()->font().pixelSize(), 12);
        // The main window passes it through its procedure to the default handling.
        window->sendMessage(WM_SETFONT, WPARAM(&font), 0);
        QCOMPARE(window->handle()->font().pixelSize(), 12);
        QCOMPARE(lastOf(windowLog, WM_SETFONT)->wParam, WPARAM(&font));
    }

    void staticPictureFollowsTheControlSize()
    {
        auto window = makeWindow();
        SCC area;
        area.create("STATIC", "", *window);
        QImage* picture = staticPicture(area.handle());
        QVERIFY(picture);
        QVERIFY(picture->isNull());
        area.move(0, 40, 64, 32);
        QCOMPARE(picture->size(), QSize(64, 32));
        QCOMPARE(picture->pixel(63, 31), qRgb(255, 255, 255));
        picture->setPixel(1, 1, qRgb(10, 20, 30));
        area.move(0, 40, 80, 40);
        QCOMPARE(picture->size(), QSize(80, 40));
        QCOMPARE(picture->pixel(1, 1), qRgb(10, 20, 30));
        QCOMPARE(picture->pixel(79, 39), qRgb(255, 255, 255));

        SCC button;
        button.create("BUTTON", "", *window);
        QVERIFY(!staticPicture(button.handle()));
        QVERIFY(!staticPicture(window->handle()));
    }

    void paintOfASubclassedStaticGoesThroughItsProcedure()
    {
        auto window = makeWindow();
        SCC area;
        area.create("STATIC", "", *window);
        area.move(0, 40, 16, 16);
        staticPicture(area.handle())->fill(qRgb(200, 0, 0));
        QCOMPARE(area.handle()->grab().toImage().pixel(8, 8), qRgb(200, 0, 0));

        // The class procedure paints the picture only when the procedure passes
        // WM_PAINT on to it.
        subclassedArea = &area;
        area.subclass(areaProc);
        staticPicture(area.handle())->fill(qRgb(0, 0, 200));
        QCOMPARE(area.handle()->grab().toImage().pixel(8, 8), qRgb(0, 0, 200));
        QVERIFY(lastOf(areaLog, WM_PAINT));

        area.subclass(otherProc);
        staticPicture(area.handle())->fill(qRgb(0, 200, 0));
        QVERIFY(area.handle()->grab().toImage().pixel(8, 8) != qRgb(0, 200, 0));
    }

    void mouseOverTheStaticIsAHitTestThatPassesThrough()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window->handle()));
        SCC area;
        area.create("STATIC", "", *window);
        area.move(0, 40, 512, 400);
        subclassedArea = &area;
        area.subclass(areaProc);

        QTest::mouseMove(area.handle(), QPoint(30, 50));
        QVERIFY(!hitTests.empty());
        QCOMPARE(hitTests.back().client.x, 30);
        QCOMPARE(hitTests.back().client.y, 50);
        QVERIFY(!hitTests.back().leftHeld);

        // The press is a hit test too, then reaches the main window in its own
        // client coordinates, as the class procedure answers "transparent".
        hitTests.clear();
        QTest::mousePress(area.handle(), Qt::LeftButton, {}, QPoint(100, 60));
        QCOMPARE(hitTests.size(), size_t(1));
        QVERIFY(hitTests[0].leftHeld);
        const Message* press = lastOf(windowLog, WM_LBUTTONDOWN);
        QVERIFY(press);
        QCOMPARE(GET_X_LPARAM(press->lParam), 100);
        QCOMPARE(GET_Y_LPARAM(press->lParam), 100);
        QVERIFY(press->wParam & MK_LBUTTON);

        QTest::mouseMove(area.handle(), QPoint(120, 70));
        QCOMPARE(hitTests.back().client.x, 120);
        QVERIFY(hitTests.back().leftHeld);
        QVERIFY(GetKeyState(0x01) & 0x8000);
        QTest::mouseRelease(area.handle(), Qt::LeftButton, {}, QPoint(120, 70));
        QVERIFY(!hitTests.back().leftHeld);
        QCOMPARE(GetKeyState(0x01) & 0x8000, 0);

        QTest::mousePress(area.handle(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(lastOf(windowLog, WM_RBUTTONDOWN));
        QVERIFY(GetKeyState(0x02) & 0x8000);
        QTest::mouseRelease(area.handle(), Qt::RightButton, {}, QPoint(5, 5));

        // Unsubclassed, the area is still transparent but sends no hit tests.
        area.unsubclass();
        hitTests.clear();
        windowLog.clear();
        QTest::mouseClick(area.handle(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(hitTests.empty());
        QVERIFY(lastOf(windowLog, WM_LBUTTONDOWN));
    }

    void scrollBarReportsButOnlyTheProgramMovesIt()
    {
        auto window = makeWindow();
        SCC area;
        area.create("STATIC", "", *window);
        area.move(0, 40, 512, 400);
        subclassedArea = &area;
        area.subclass(areaProc);
        SCC scroll;
        scroll.create("SCROLLBAR", nullptr, area);
        scroll.move(0, 256, 512, 16);
        auto* bar = qobject_cast<QScrollBar*>(scroll.handle());
        QVERIFY(bar);
        QCOMPARE(bar->orientation(), Qt::Horizontal);

        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = 46;
        info.nPage = 1;
        info.nPos = 5;
        SetScrollInfo(scroll.handle(), SB_CTL, &info, true);
        QCOMPARE(bar->maximum(), 46);
        QCOMPARE(bar->value(), 5);
        QVERIFY(bar->isEnabled());

        // A click on the right arrow: one step right, then the end of the action.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, 8));
        std::vector<unsigned> codes;
        for (const Message& m : areaLog) {
            if (m.msg == WM_HSCROLL) {
                codes.push_back(LOWORD(m.wParam));
                QCOMPARE(m.lParam, LPARAM(scroll.handle()));
            }
        }
        QCOMPARE(codes, (std::vector<unsigned>{SB_LINERIGHT, SB_ENDSCROLL}));
        QCOMPARE(bar->value(), 5);

        // When the program sets the position, that is where the bar goes.
        scrollBarToSet = scroll.handle();
        scrollPositionToSet = 6;
        subclassedArea->subclass(windowProc);  // windowProc sets the position
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, 8));
        QCOMPARE(bar->value(), 6);
        subclassedArea->subclass(areaProc);
        scrollPositionToSet = -1;

        // Dragging the thumb tracks with the position and ends with its release.
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = false;
        const QRect thumb =
            bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        areaLog.clear();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
        QTest::mouseMove(bar, thumb.center() + QPoint(60, 0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(60, 0));
        codes.clear();
        int trackedTo = -1;
        int releasedAt = -1;
        for (const Message& m : areaLog) {
            if (m.msg != WM_HSCROLL)
                continue;
            codes.push_back(LOWORD(m.wParam));
            if (LOWORD(m.wParam) == SB_THUMBTRACK)
                trackedTo = int(HIWORD(m.wParam));
            if (LOWORD(m.wParam) == SB_THUMBPOSITION)
                releasedAt = int(HIWORD(m.wParam));
        }
        QVERIFY(codes.size() >= 3);
        QCOMPARE(codes.front(), SB_THUMBTRACK);
        QCOMPARE(codes[codes.size() - 2], SB_THUMBPOSITION);
        QCOMPARE(codes.back(), SB_ENDSCROLL);
        QVERIFY(trackedTo > 6);
        QCOMPARE(releasedAt, trackedTo);
        QCOMPARE(bar->value(), 6);
        QCOMPARE(bar->sliderPosition(), 6);

        // A range without room to scroll disables the bar.
        info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
        info.nMax = 0;
        SetScrollInfo(scroll.handle(), SB_CTL, &info, true);
        QVERIFY(!bar->isEnabled());
        QCOMPARE(bar->value(), 0);
    }

    void activationAndTheCloseBox()
    {
        auto window = makeWindow();
        window->activate();
        QVERIFY(QTest::qWaitForWindowActive(window->handle()));
        const Message* active = lastOf(windowLog, WM_ACTIVATE);
        QVERIFY(active);
        QCOMPARE(LOWORD(active->wParam), WA_ACTIVE);

        auto other = makeWindow();
        other->activate();
        QVERIFY(QTest::qWaitForWindowActive(other->handle()));
        bool sawInactive = false;
        for (const Message& m : windowLog) {
            if (m.hwnd == window->handle() && m.msg == WM_ACTIVATE && LOWORD(m.wParam) == WA_INACTIVE)
                sawInactive = true;
        }
        QVERIFY(sawInactive);

        windowLog.clear();
        QVERIFY(window->handle()->close());
        QVERIFY(lastOf(windowLog, WM_DESTROY));
        QCOMPARE(lastOf(windowLog, WM_DESTROY)->hwnd, window->handle());
        QVERIFY(!window->handle()->isVisible());
    }

    void quitEndsTheRunningLoopOrWaitsForTheNext()
    {
        QVERIFY(!takeQuitMessage(nullptr));
        QTimer::singleShot(0, [] { PostQuitMessage(0); });
        QTimer failsafe;
        failsafe.setSingleShot(true);
        connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        failsafe.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        int code = -1;
        QVERIFY(takeQuitMessage(&code));
        QCOMPARE(code, 0);

        // Posted with no loop running, the quit waits to be collected.
        PostQuitMessage(3);
        QVERIFY(takeQuitMessage(&code));
        QCOMPARE(code, 3);
        QVERIFY(!takeQuitMessage(&code));
        // The message box test below also checks that a modal loop still runs after
        // a quit has ended the main loop.
    }

    void messageBoxesGoToTheHandler()
    {
        auto window = makeWindow();
        std::vector<MessageBoxRequest> requests;
        setMessageBoxHandler([&](const MessageBoxRequest& request) {
            requests.push_back(request);
            return 7;
        });
        QCOMPARE(MessageBoxA(window->handle(), "It cannot add any more!", "error", MB_OK | MB_ICONEXCLAMATION), 7);
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests[0].owner, window->handle());
        QCOMPARE(requests[0].text, std::string("It cannot add any more!"));
        QCOMPARE(requests[0].caption, std::string("error"));
        QCOMPARE(requests[0].flags, MB_ICONEXCLAMATION);
    }

    void withoutAHandlerTheBoxIsModal()
    {
        auto window = makeWindow();
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QMessageBox* box = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* found = qobject_cast<QMessageBox*>(widget); found && found->isVisible())
                    box = found;
            }
            if (!box)
                return;
            answer.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        answer.start(10);
        QCOMPARE(MessageBoxA(window->handle(), "file reading error", "error", MB_ICONEXCLAMATION), IDOK);
        QCOMPARE(title, QString("error"));
        QCOMPARE(text, QString("file reading error"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(SwcTest)
#include "swc_test.moc"
