// F7: the object list shows the current stage's used slots, inserts and erases with
// Insert and Delete as the "OBJECT" view does (refusals included), sorts for reading
// only, takes names from a file (a refused one changes nothing) and closes again.

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QtTest>

#include "edit/object_table.h"
#include "gui_support.h"
#include "shell/windows/object_list_window.h"
#include "shell/windows/panels.h"

namespace {

int usedObjects()
{
    return int(objectRows(theEditor).size());
}

QString cell(int row, int column)
{
    const QAbstractItemModel* model = objectListTable()->model();
    return model->index(row, column).data().toString();
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class ObjectListWindowTest : public QObject {
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

    void insertAndDeleteWorkAsTheViewsButtonsWithTheirRefusals()
    {
        QTest::keyClick(mainWindow->handle(), Qt::Key_F7);
        QTableView* table = objectListTable();
        QVERIFY(table);
        QVERIFY(!QApplication::activeModalWidget());
        const int count = usedObjects();
        QVERIFY(count > 2);
        QCOMPARE(table->model()->rowCount(), count);
        QCOMPARE(table->model()->columnCount(), 5);  // no names column without names

        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(theEditor.curObject, 1);
        const ObjectRecord second = theEditor.object[0][2];
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(usedObjects(), count - 1);
        QCOMPARE(table->model()->rowCount(), count - 1);
        QCOMPARE(theEditor.object[0][1].x, second.x);
        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(usedObjects(), count);
        QCOMPARE(int(theEditor.object[0][1].x), 0x80);
        QCOMPARE(int(theEditor.object[0][1].page), theEditor.viewPos);
        QCOMPARE(theEditor.history.undoSteps(), std::size_t(2));
        // The editor's Ctrl keys work from the list: undo and redo the insert.
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table->model()->rowCount(), count - 1);
        QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(table->model()->rowCount(), count);

        MessageBoxRecorder boxes;
        for (int slot = count; slot < kObjectSlots; ++slot)
            theEditor.object[0][slot] = {1, 2, 3, 4};
        followPanels();
        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(usedObjects(), kObjectSlots);
        for (int slot = 1; slot < kObjectSlots; ++slot)
            theEditor.object[0][slot].page = kEmptyObjectPage;
        theEditor.curObject = 0;
        followPanels();
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(usedObjects(), 1);
        QCOMPARE(boxes.boxes.size(), std::size_t(2));
        QCOMPARE(boxes.boxes[0].text, std::string("It cannot add any more!"));
        QCOMPARE(boxes.boxes[1].text, std::string("It cannot erase any more!"));
        QCOMPARE(boxes.boxes[1].caption, std::string("error"));
        theEditor.loadRom(romPath);
        theEditor.curObject = 0;
        followPanels();
    }

    void sortingIsForReadingAndNamesComeFromAFile()
    {
        QTableView* table = objectListTable();
        QVERIFY(table);
        const std::vector<ObjectRow> before = objectRows(theEditor);
        table->sortByColumn(4, Qt::DescendingOrder);
        QVERIFY(cell(0, 4) >= cell(table->model()->rowCount() - 1, 4));
        const std::vector<ObjectRow> after = objectRows(theEditor);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(std::memcmp(&after[i].record, &before[i].record, sizeof(ObjectRecord)), 0);
        table->sortByColumn(0, Qt::AscendingOrder);

        const QString data = QString::fromStdString(objectCellText(before[0], ObjectColumn::Data));
        writeText(dir.filePath("names.json"),
                  R"({"version": 1, "stage": {"0": {")" + data.toUtf8() + R"(": "first"}}})");
        loadObjectNamesFrom(dir.filePath("names.json").toStdString());
        QCOMPARE(table->model()->columnCount(), 6);
        QCOMPARE(cell(0, 5), QString("first"));

        MessageBoxRecorder boxes;
        writeText(dir.filePath("bad.json"), R"({"version": 1, "names": {"1": "x"}})");
        loadObjectNamesFrom(dir.filePath("bad.json").toStdString());
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
        QVERIFY2(boxes.boxes[0].text.find("the key \"1\" is not a data value") != std::string::npos,
                 boxes.boxes[0].text.c_str());
        QCOMPARE(cell(0, 5), QString("first"));

        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!objectListTable());
    }
};

QTEST_MAIN(ObjectListWindowTest)
#include "object_list_window_test.moc"
