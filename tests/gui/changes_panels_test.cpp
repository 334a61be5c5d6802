// F8 and F9: the Changes panel lists an edit against the baseline and reverts it as one
// undo step; Compare with... chooses another baseline and refuses a wrong one; the
// History panel names the steps and goes back three of them with a click.

#include <map>
#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "gui_support.h"
#include "rom/rom_layout.h"
#include "shell/main_window/main_window.h"
#include "shell/startup/startup.h"
#include "shell/windows/change_baseline.h"
#include "shell/windows/changes_window.h"
#include "shell/windows/history_window.h"
#include "shell/windows/user_input_follow_up.h"

namespace {

QStringList changeRows()
{
    QStringList rows;
    QTreeWidget* list = changesList();
    for (int s = 0; list && s < list->topLevelItemCount(); ++s) {
        rows << list->topLevelItem(s)->text(0);
        for (int c = 0; c < list->topLevelItem(s)->childCount(); ++c)
            rows << list->topLevelItem(s)->child(c)->text(0);
    }
    return rows;
}

}  // namespace

class ChangesPanelsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string imagePath;

private slots:
    void initTestCase()
    {
        imagePath = startOnDemoImage(dir);
        QVERIFY(!imagePath.empty());
        QVERIFY(QTest::qWaitForWindowActive(mainWindow->handle()));
    }

    void cleanupTestCase() { releaseUi(); }

    void f8ListsAnEditAndRevertIsOneUndoStep()
    {
        QWidget* main = mainWindow->handle();
        QTest::keyClick(main, Qt::Key_F8);
        QVERIFY(changesList());
        QVERIFY(changeRows().isEmpty());
        const int was = theEditor.pageSet[0][0];
        QTest::keyClick(main, Qt::Key_Up);  // "MAP": the left page's map set + 1
        QCOMPARE(changeRows(),
                 (QStringList{"Stage 0: 1 change (pages 1)",
                              QString::asprintf("Stage 0 · page 00: map set %02X -> %02X", was, (was + 1) & 0x1F)}));
        const std::size_t steps = theEditor.history.undoSteps();
        changesList()->clearSelection();
        changesList()->topLevelItem(0)->child(0)->setSelected(true);
        QTest::mouseClick(revertButton(), Qt::LeftButton);
        QCOMPARE(int(theEditor.pageSet[0][0]), was);
        QCOMPARE(theEditor.history.undoSteps(), steps + 1);
        QVERIFY(QString::fromStdString(theEditor.history.stepName(steps)).startsWith("Revert · stage 0 · page 00"));
        QVERIFY(changeRows().isEmpty());
        QTest::keyClick(main, Qt::Key_F8);
        QVERIFY(!changesList());
    }

    // The real box, not a test's answer: it must offer a button that goes on.
    void revertingASharedTileAsksAndGoesOnWhenTold()
    {
        int stage = -1, tile = -1;
        std::map<std::uint32_t, int> stageOfSource;
        for (int s = 0; s < kStageCount && stage < 0; ++s)
            for (int t = 0; t < kTileCount && stage < 0; ++t)
                if (theEditor.tileSources.writable(s, t)) {
                    const auto [first, added] = stageOfSource.emplace(theEditor.tileSources.offset[s][t], s);
                    if (!added && first->second != s)
                        std::tie(stage, tile) = std::pair(s, t);
                }
        QVERIFY2(stage >= 0, "the demo image has a tile that two stages load");
        const std::uint32_t source = theEditor.tileSources.offset[stage][tile];
        const std::uint8_t was = theEditor.tileGfx[stage][tile][0];
        // Drawn as the tile window draws it: in every stage that loads it.
        for (int s = 0; s < kStageCount; ++s)
            for (int t = 0; t < kTileCount; ++t)
                if (theEditor.tileSources.offset[s][t] == source)
                    theEditor.tileGfx[s][t][0] = std::uint8_t(~was);
        followUpUserInput();
        QTest::keyClick(mainWindow->handle(), Qt::Key_F8);
        QVERIFY(changesList() && changesList()->topLevelItemCount() > 0);
        changesList()->selectAll();

        QString asked;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            asked = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Revert")
                    return button->click();
            box->reject();
        });
        revertChosenChanges();
        QVERIFY(asked.contains("loaded by several stages"));
        QCOMPARE(theEditor.tileGfx[stage][tile][0], was);
        QTest::keyClick(mainWindow->handle(), Qt::Key_F8);
    }

    void compareWithChoosesTheBaselineAndRefusesAWrongOne()
    {
        std::vector<std::uint8_t> bytes = readFile(imagePath);
        bytes[rom_layout::stageBase(5) + rom_layout::kPageTable + 3] ^= 1;
        const QString other = dir.filePath("other.nes");
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();

        QVERIFY(!compareWithImage(other.toStdString()));
        QVERIFY(changeBaseline().what.find("other.nes") != std::string::npos);
        QTest::keyClick(mainWindow->handle(), Qt::Key_F8);
        QCOMPARE(changeRows().size(), 2);
        QVERIFY(changeRows()[1].startsWith("Stage 5 · page 03: "));

        const std::optional<std::string> refused = compareWithImage(dir.filePath("missing.nes").toStdString());
        QVERIFY(refused && refused->find("missing.nes") != std::string::npos);
        QVERIFY(changeBaseline().what.find("other.nes") != std::string::npos);
        QTest::keyClick(mainWindow->handle(), Qt::Key_F8);
    }

    void f9NamesTheStepsAndAClickGoesBackThree()
    {
        QWidget* main = mainWindow->handle();
        QTest::keyClick(main, Qt::Key_F9);
        QVERIFY(historyList());
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(main, Qt::Key_Up);
        const int done = int(theEditor.history.undoSteps());
        QCOMPARE(historyList()->count(), int(theEditor.history.stepCount()) + 1);
        QCOMPARE(historyList()->currentRow(), done);
        QVERIFY(historyList()->item(done)->text().startsWith("Stage 0 · page 00: map set "));

        QTest::mouseClick(historyList()->viewport(), Qt::LeftButton, {},
                          historyList()->visualItemRect(historyList()->item(done - 3)).center());
        QCOMPARE(int(theEditor.history.undoSteps()), done - 3);
        QCOMPARE(historyList()->count(), int(theEditor.history.stepCount()) + 1);  // the later steps stay listed
        QCOMPARE(historyList()->currentRow(), done - 3);
        QTest::keyClick(main, Qt::Key_Down);  // a new edit discards them
        QCOMPARE(historyList()->count(), done - 3 + 2);
        QTest::keyClick(main, Qt::Key_F9);
        QVERIFY(!historyList());
    }
};

QTEST_MAIN(ChangesPanelsTest)
#include "changes_panels_test.moc"
