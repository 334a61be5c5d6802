// The panels: each toggles from its key and from View, docks in the main window and
// hands the keys it leaves alone to the main window; the arrangement comes back from
// the settings, and a damaged one leaves the default. At 2x in a window smaller than
// the client area, a press at each area of each view, scrolled into sight, hits what
// it hits at 1x.

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "edit/commands.h"
#include "edit/mouse_areas.h"
#include "gui_support.h"
#include "model/editable_tables.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/view_zoom.h"
#include "shell/session/settings.h"
#include "shell/windows/panels.h"
#include "swc/top_level_window.h"

namespace {

QMainWindow* window()
{
    return qobject_cast<QMainWindow*>(mainWindow->handle());
}

QDockWidget* dockNamed(const char* name)
{
    return window()->findChild<QDockWidget*>(name);
}

bool open(const char* name)
{
    QDockWidget* dock = dockNamed(name);
    return dock && dock->toggleViewAction()->isChecked();
}

QAction* viewItem(const char* commandId)
{
    const QString label = findCommand(commandId)->label;
    QMenu* view = mainMenuBar()->actions().at(2)->menu();
    for (QAction* item : view->actions())
        if (item->text().section('\t', 0, 0).remove('&') == label)
            return item;
    return nullptr;
}

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(target, key, modifiers);
}

struct Hit {
    std::vector<std::uint8_t> tables;
    int fields[8];
    bool operator==(const Hit&) const = default;
};

Hit hitOf(const EDITOR& e)
{
    return {editableTables(e),
            {e.viewPos, e.curTab, e.curChipSet, e.curChip, e.curTile, e.curObject, e.cursorCol, e.cursorRow}};
}

}  // namespace

class PanelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        useSettings(true);
        QVERIFY(!startOnDemoImage(dir).empty());
    }

    void everyPanelTogglesFromItsKeyAndFromView()
    {
        const std::pair<const char*, Qt::Key> keys[] = {
            {"keys", Qt::Key_F1},    {"usage", Qt::Key_F2},    {"colours", Qt::Key_F3},
            {"tiles", Qt::Key_F4},   {"overview", Qt::Key_F6}, {"objects", Qt::Key_F7},
            {"changes", Qt::Key_F8}, {"history", Qt::Key_F9},  {"scriptConsole", Qt::Key_unknown}};
        QCOMPARE(listedPanels().size(), std::size(keys));
        for (const auto& [name, key] : keys) {
            // The console has no key of its own: View opens it.
            if (key == Qt::Key_unknown)
                viewItem(findPanel(name)->commandId)->trigger();
            else
                press(mainWindow->handle(), key);
            QVERIFY2(open(name), name);
            QCOMPARE(dockNamed(name)->window(), mainWindow->handle());
            const PanelEntry* entry = findPanel(name);
            QAction* item = viewItem(entry->commandId);
            QVERIFY2(item, name);
            item->trigger();
            QVERIFY2(!open(name), name);
            item->trigger();
            QVERIFY2(open(name), name);
        }
        // Any panel hands an F-key it has no use for to the main window: F4 in Colours
        // closes Tiles, and Escape closes the panel that has the keys.
        QWidget* colours = dockNamed("colours")->widget();
        press(colours, Qt::Key_F4);
        QVERIFY(!open("tiles"));
        press(colours, Qt::Key_Escape);
        QVERIFY(!open("colours"));
        // Docked, they never cover the client area: it keeps its size and shows whole.
        auto* top = static_cast<swc::TopLevelWindow*>(mainWindow->handle());
        QCOMPARE(top->clientSize(),
                 QSize(kMainWindowWidth, kMainWindowHeight) - (top->frameGeometry().size() - top->size()));
    }

    void theArrangementComesBackAndADamagedOneLeavesItAlone()
    {
        QDockWidget* usage = dockNamed("usage");
        window()->addDockWidget(Qt::BottomDockWidgetArea, usage);
        keepArrangement();
        useSettings(true);  // read again from the file
        window()->addDockWidget(Qt::RightDockWidgetArea, usage);
        restoreArrangement();
        QCOMPARE(window()->dockWidgetArea(usage), Qt::BottomDockWidgetArea);

        saveArrangement({QByteArray("\x01\x02garbage", 9), QByteArray(300, '\xff')});
        QVERIFY(!restoreArrangement());
        QCOMPARE(window()->dockWidgetArea(usage), Qt::BottomDockWidgetArea);
        QVERIFY(mainWindow->handle()->isVisible());

        // Panels kept open without the window's size: the window grows to show the
        // client area whole beside them.
        for (const PanelEntry& panel : listedPanels())
            if (open(panel.name))
                togglePanelOfCommand(panel.commandId);
        savePanelOpen("colours", true);
        savePanelOpen("objects", true);
        auto* top = static_cast<swc::TopLevelWindow*>(mainWindow->handle());
        QCoreApplication::processEvents();
        top->resize(300, 200);
        reopenPanels(restoreArrangement());
        QCoreApplication::processEvents();
        QVERIFY(open("colours") && open("objects"));
        QTRY_COMPARE(top->clientScroll()->viewport()->size(), top->clientArea()->size());
    }

    void atTwiceTheSizeInASmallWindowEveryAreaIsHitAsAtActualSize()
    {
        auto* top = static_cast<swc::TopLevelWindow*>(mainWindow->handle());
        const std::vector<std::uint8_t> start = editableTables(theEditor);
        for (int view = 0; view < kViewCount; ++view)
            for (const MouseArea& area : mouseAreas(view)) {
                const QPoint at(area.area.x + area.area.width / 2, area.area.y + area.area.height / 2);
                std::optional<Hit> atOne;
                for (int zoom : {1, 2}) {
                    QCOMPARE(setZoom(zoom), zoom);
                    top->resize(400, 300);
                    QCoreApplication::processEvents();
                    restoreEditableTables(theEditor, start);
                    tabControl->sendMessage(TCM_SETCURSEL, WPARAM(view), 0);
                    applySelections();
                    theEditor.curChipSet = theEditor.curChip = theEditor.curTile = 0x11;
                    theEditor.cursorCol = theEditor.cursorRow = theEditor.curObject = 0;
                    // As the user does: scrolled into sight, then pressed where it shows.
                    QScrollArea* scroll = top->clientScroll();
                    const QPoint inClient = editArea->handle()->mapTo(top->clientArea(), at * zoom);
                    scroll->ensureVisible(inClient.x(), inClient.y(), 8, 8);
                    const QPoint onScreen = top->clientArea()->mapTo(scroll->viewport(), inClient);
                    QVERIFY(scroll->viewport()->rect().contains(onScreen));
                    QWidget* target = scroll->viewport()->childAt(onScreen);
                    QVERIFY(target);
                    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                                      target->mapFrom(scroll->viewport(), onScreen));
                    const Hit hit = hitOf(theEditor);
                    if (!atOne)
                        atOne = hit;
                    else
                        QVERIFY2(hit == *atOne, qPrintable(QString("%1 in view %2").arg(area.name).arg(view)));
                }
            }
        QVERIFY(top->clientScroll()->viewport()->height() < top->clientSize().height());
        restoreEditableTables(theEditor, start);
        setZoom(1);
    }

private:
    QTemporaryDir config;
    QTemporaryDir dir;
};

int main(int argc, char** argv)
{
    return runOnBigScreen<PanelsTest>(argc, argv);
}

#include "panels_test.moc"
