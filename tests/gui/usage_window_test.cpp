// F2: the usage window lists what the core reports for the current view and stage,
// follows a change of stage, goes to a chosen use in the main window, leaves the main
// window as it was and closes with F2 or Escape; Ctrl+H asks through its dialog.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "edit/usage_report.h"
#include "edit/usage_subject.h"
#include "gui_support.h"
#include "shell/main_window/main_window.h"
#include "shell/startup/startup.h"
#include "shell/windows/usage_window.h"
#include "usage/stage_usage.h"

namespace {

void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(target, key, modifiers);
}

QStringList shownRows()
{
    QStringList rows;
    QTreeView* list = usageList();
    if (!list)
        return rows;
    const QAbstractItemModel* model = list->model();
    for (int s = 0; s < model->rowCount(); ++s) {
        const QModelIndex section = model->index(s, 0);
        rows << section.data().toString();
        for (int e = 0; e < model->rowCount(section); ++e)
            rows << model->index(e, 0, section).data().toString() + " | " +
                    model->index(e, 1, section).data().toString();
    }
    return rows;
}

QStringList reportedRows()
{
    QStringList rows;
    for (const UsageSection& section : usageReport(theEditor, countStageUsage(theEditor, theEditor.curStage))) {
        rows << QString::fromStdString(section.title);
        for (const UsageEntry& entry : section.entries)
            rows << QString::fromStdString(entry.where + " | " + entry.what);
    }
    return rows;
}

// The first listed use.
QModelIndex firstUse()
{
    const QAbstractItemModel* model = usageList()->model();
    for (int s = 0; s < model->rowCount(); ++s)
        for (int e = 0; e < model->rowCount(model->index(s, 0)); ++e) {
            const QModelIndex row = model->index(e, 0, model->index(s, 0));
            if (row.flags() & Qt::ItemIsSelectable)
                return row;
        }
    return {};
}

}  // namespace

class UsageWindowTest : public QObject {
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

    void f2ListsTheUsesFollowsTheStageGoesToAUseAndClosesAgain()
    {
        QWidget* main = mainWindow->handle();
        const QRect mainPlace = main->frameGeometry();
        pressKey(main, Qt::Key_F2);
        QVERIFY(usageList());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(shownRows(), reportedRows());
        // A panel beside the client area: the window keeps its place and grows by it.
        QCOMPARE(main->frameGeometry().topLeft(), mainPlace.topLeft());

        pressKey(main, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(theEditor.curStage, 1);
        QVERIFY(shownRows().contains("Stage 1: what the 48 pages use"));
        QCOMPARE(shownRows(), reportedRows());

        // "CHIP SET": a use is a map-set cell, shown in "MAP SET" under the cursor.
        pressKey(main, Qt::Key_Tab, Qt::ControlModifier);
        pressKey(main, Qt::Key_Tab, Qt::ControlModifier);
        pressKey(main, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(theEditor.curTab, int(kViewChipSet));
        QCOMPARE(shownRows(), reportedRows());
        const int chipSet = theEditor.curChipSet;
        const QModelIndex use = firstUse();
        QVERIFY(use.isValid());
        const QString where = use.data().toString();
        usageList()->setCurrentIndex(use);
        pressKey(usageList(), Qt::Key_Return);
        QCOMPARE(theEditor.curTab, int(kViewMapSet));
        const std::optional<ItemUse> cell = cursorCellPlace(theEditor);
        QVERIFY(cell);
        QCOMPARE(QString::fromStdString(useName(ItemKind::ChipSet, *cell)), where);
        QCOMPARE(int(theEditor.mapSet[1][cell->holder][cell->column * 8 + cell->row]), chipSet);
        // The window now follows "MAP SET": the pages of the cursor's map set.
        QCOMPARE(shownRows(), reportedRows());

        pressKey(main, Qt::Key_F2);
        QVERIFY(!usageList());
        pressKey(main, Qt::Key_F2);
        pressKey(usageList(), Qt::Key_Escape);
        QVERIFY(!usageList());
    }

    void ctrlHAsksAndReplacesAsOneUndoStep()
    {
        QWidget* main = mainWindow->handle();
        const std::optional<UsageSubject> subject = currentUsageSubject(theEditor);
        QVERIFY(subject && subject->kind == ItemKind::ChipSet);
        const std::vector<ItemUse> uses = usesOf(theEditor, theEditor.curStage, subject->kind, subject->item);
        QString prompt;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                prompt += label->text();
            QLineEdit* field = dialog->findChild<QLineEdit*>();
            field->clear();
            QTest::keyClicks(field, "1fx");  // the field takes two hexadecimal digits only
            QCOMPARE(field->text(), QString("1f"));
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Replace")
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        pressKey(main, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(prompt,
                 QString::fromStdString("Replace " + std::to_string(uses.size()) + " uses of " +
                                        itemName(subject->kind, subject->item) + " with:"));
        for (const ItemUse& use : uses)
            QCOMPARE(int(theEditor.mapSet[1][use.holder][use.column * 8 + use.row]), 0x1F);

        // The click that closed the dialog ends the step: the next edit is one of its own.
        const std::optional<ItemUse> cell = cursorCellPlace(theEditor);
        QVERIFY(cell);
        std::uint8_t& cursorCell = theEditor.mapSet[1][cell->holder][cell->column * 8 + cell->row];
        theEditor.curChipSet = 0x1E;
        pressKey(main, Qt::Key_Space);
        QCOMPARE(int(cursorCell), 0x1E);
        pressKey(main, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(cursorCell), 0x1F);
        pressKey(main, Qt::Key_Z, Qt::ControlModifier);
        for (const ItemUse& use : uses)
            QCOMPARE(int(theEditor.mapSet[1][use.holder][use.column * 8 + use.row]), subject->item);
    }
};

QTEST_MAIN(UsageWindowTest)
#include "usage_window_test.moc"
