// F1: the reference window lists what the editor's tables say for the current view,
// leaves the editor usable while open, follows the view and closes with F1 or Escape.

#include <QApplication>
#include <QTreeWidget>
#include <QtTest>

#include "edit/key_reference.h"
#include "gui_support.h"
#include "shell/main_window/main_window.h"
#include "shell/startup/startup.h"
#include "shell/windows/key_reference_window.h"

namespace {

void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(target, key, modifiers);
}

// The rows of the open window, as "input | does", section titles included.
QStringList shownRows()
{
    QStringList rows;
    QTreeWidget* list = keyReferenceList();
    if (!list)
        return rows;
    for (int s = 0; s < list->topLevelItemCount(); ++s) {
        const QTreeWidgetItem* section = list->topLevelItem(s);
        rows << section->text(0);
        for (int e = 0; e < section->childCount(); ++e)
            rows << section->child(e)->text(0) + " | " + section->child(e)->text(1);
    }
    return rows;
}

QStringList referenceRows(int view)
{
    QStringList rows;
    for (const ReferenceSection& section : keyReference(view)) {
        rows << QString::fromStdString(section.title);
        for (const ReferenceEntry& entry : section.entries)
            rows << QString::fromStdString(entry.input + " | " + entry.does);
    }
    return rows;
}

}  // namespace

class KeyReferenceWindowTest : public QObject {
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

    void f1ListsTheCurrentViewFollowsItAndClosesAgain()
    {
        QWidget* main = mainWindow->handle();
        pressKey(main, Qt::Key_F1);
        QCOMPARE(shownRows(), referenceRows(kViewMap));
        QVERIFY(!QApplication::activeModalWidget());

        // The editor goes on with the window open, and the list follows the view.
        const std::uint8_t page = theEditor.pageSet[0][0];
        pressKey(main, Qt::Key_Up);
        QCOMPARE(int(theEditor.pageSet[0][0]), (page + 1) % kMapSetCount);
        pressKey(main, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(theEditor.curTab, int(kViewObject));
        QCOMPARE(shownRows(), referenceRows(kViewObject));

        pressKey(main, Qt::Key_F1);
        QVERIFY(!keyReferenceList());
        pressKey(main, Qt::Key_F1);
        QVERIFY(keyReferenceList());
        pressKey(keyReferenceList(), Qt::Key_Escape);
        QVERIFY(!keyReferenceList());
        pressKey(main, Qt::Key_F1);
        pressKey(keyReferenceList(), Qt::Key_F1);
        QVERIFY(!keyReferenceList());
    }
};

QTEST_MAIN(KeyReferenceWindowTest)
#include "key_reference_window_test.moc"
