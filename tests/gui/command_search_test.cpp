// Ctrl+F: the command search runs the chosen command as its menu item does, lists
// greyed commands without running them, and goes to a stage or a named object.

#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include "gui_support.h"
#include "shell/windows/command_search_popup.h"

namespace {

// Opens the search from the main window and types into it.
QLineEdit* search(const QString& typed)
{
    QTest::keyClick(mainWindow->handle(), Qt::Key_F, Qt::ControlModifier);
    QWidget* popup = openCommandSearchWidget();
    auto* field = popup ? popup->findChild<QLineEdit*>() : nullptr;
    if (field)
        QTest::keyClicks(field, typed);
    return field;
}

QString firstListed()
{
    const auto* list = openCommandSearchWidget()->findChild<QTreeWidget*>();
    return list->topLevelItemCount() ? list->topLevelItem(0)->text(0) : QString();
}

int shownTab()
{
    return qobject_cast<QTabWidget*>(tabControl->handle())->currentIndex();
}

}  // namespace

class CommandSearchTest : public QObject {
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

    void runsTheChosenCommandAndNotAGreyedOne()
    {
        QLineEdit* field = search("chip");
        QVERIFY(field);
        QCOMPARE(firstListed(), QString("CHIP"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!openCommandSearchWidget());
        QCOMPARE(theEditor.curTab, kViewChip);
        QCOMPARE(shownTab(), kViewChip);

        // Nothing to undo: Undo is listed greyed, and Enter leaves it be.
        QCOMPARE(theEditor.history.undoSteps(), std::size_t(0));
        field = search("undo");
        QVERIFY(field);
        QCOMPARE(firstListed(), QString("Undo"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(openCommandSearchWidget());
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!openCommandSearchWidget());

        // The latest run comes first while nothing is typed.
        QVERIFY(search(""));
        QCOMPARE(firstListed(), QString("CHIP"));
        QTest::keyClick(openCommandSearchWidget()->findChild<QLineEdit*>(), Qt::Key_Escape);
    }

    void goesToAStageAndToTheFirstObjectOfAName()
    {
        QLineEdit* field = search("stage 3");
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(theEditor.curStage, 3);
        QCOMPARE(int(stageCombo->sendMessage(CB_GETCURSEL, 0, 0)), 3);

        // No names file: no names to find.
        theEditor.objectNames = {};
        QVERIFY(search("lift"));
        QCOMPARE(firstListed(), QString());
        QTest::keyClick(openCommandSearchWidget()->findChild<QLineEdit*>(), Qt::Key_Escape);

        const ObjectRecord* objects = theEditor.object[3];
        QVERIFY(objects[2].isUsed());
        theEditor.objectNames.loaded = true;
        theEditor.objectNames.byStage[3] = {{objects[2].data, "lift"}};
        // The first object with that data is the one to go to.
        int first = 0;
        while (objects[first].data != objects[2].data)
            ++first;
        field = search("lift");
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(shownTab(), kViewObject);
        QCOMPARE(theEditor.curObject, first);
        theEditor.objectNames = {};
    }
};

QTEST_MAIN(CommandSearchTest)
#include "command_search_test.moc"
