// Ctrl+Shift+E and Ctrl+I with the file dialogs answered by the test: the current
// stage goes out to a stage file and comes back as one undo step, and a refused file
// changes nothing.

#include <cstring>

#include <QApplication>
#include <QFile>
#include <QtTest>

#include "gui_support.h"
#include "shell/windows/stage_file_dialogs.h"
#include "stagefile/stage_data.h"

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : mainWindow->handle(), key, modifiers);
}

bool same(const StageData& a, const StageData& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

class StageFileKeysTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::optional<std::string> file;
    std::unique_ptr<MessageBoxRecorder> boxes;

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        QVERIFY(!startOnDemoImage(dir).empty());
        setStageFileDialogs({[this](const std::string&) { return file; }, [this] { return file; }});
    }

    void init()
    {
        boxes = std::make_unique<MessageBoxRecorder>();
        mainWindow->setFocus();
    }

    void cleanup() { boxes.reset(); }

    void cleanupTestCase()
    {
        setStageFileDialogs({});
        releaseUi();
    }

    void aStageGoesOutAndComesBackAsOneStep()
    {
        const int stage = theEditor.curStage;
        const StageData exported = stageDataOf(theEditor, stage);
        file = dir.filePath("stage.json").toStdString();
        press(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QVERIFY(QFile::exists(QString::fromStdString(*file)));

        theEditor.pageSet[stage][0] ^= 1;
        theEditor.chip[stage][9].palette ^= 1;
        press(Qt::Key_Space, Qt::NoModifier);  // any routed key records the edits as a step
        const StageData edited = stageDataOf(theEditor, stage);
        press(Qt::Key_I, Qt::ControlModifier);
        QVERIFY(same(stageDataOf(theEditor, stage), exported));
        press(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(same(stageDataOf(theEditor, stage), edited));
    }

    void aRefusedFileChangesNothing()
    {
        QFile bad(dir.filePath("bad.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"format\": \"quarrix-editor stage data\", \"version\": 1, \"pages\": [1, 2]}");
        bad.close();
        file = bad.fileName().toStdString();
        const StageData before = stageDataOf(theEditor, theEditor.curStage);
        press(Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes[0].caption, std::string("error"));
        QVERIFY2(boxes->boxes[0].text.find("pages has 2 entries") != std::string::npos, boxes->boxes[0].text.c_str());
        QVERIFY(same(stageDataOf(theEditor, theEditor.curStage), before));
    }
};

QTEST_MAIN(StageFileKeysTest)
#include "stage_file_keys_test.moc"
