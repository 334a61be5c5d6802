// Ctrl+E with the dialogs answered by the test: the patch holds the unsaved edits and
// makes them from the original, the original is asked for once and again when it has
// changed, and a cancel writes nothing.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "gui_support.h"
#include "patch/patch_format.h"
#include "rom/save_rom.h"
#include "shell/windows/patch_export.h"

namespace {

void pressCtrlE()
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : mainWindow->handle(), Qt::Key_E, Qt::ControlModifier);
}

}  // namespace

class PatchExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string original;
    int originalQuestions = 0;
    std::optional<std::string> patchAnswer;
    std::unique_ptr<MessageBoxRecorder> boxes;

    std::vector<std::uint8_t> editedImage() const
    {
        std::vector<std::uint8_t> bytes = readFile(romPath);
        writeEditableTables(theEditor, bytes);
        return bytes;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        original = writeDemoRomInto(dir, "original.nes");
        QVERIFY(!startOnDemoImage(dir).empty());
        setPatchExportDialogs({[this] {
                                   ++originalQuestions;
                                   return std::optional<std::string>(original);
                               },
                               [this](const std::string&) { return patchAnswer; }});
    }

    void init()
    {
        boxes = std::make_unique<MessageBoxRecorder>();
        mainWindow->setFocus();
    }

    void cleanup() { boxes.reset(); }

    void cleanupTestCase()
    {
        setPatchExportDialogs({});
        releaseUi();
    }

    void unsavedEditsMakeAPatchOfTheOriginal()
    {
        theEditor.pageSet[2][7] ^= 5;
        theEditor.object[9][1].x ^= 0x10;
        for (const char* name : {"edits.bps", "edits.ips"}) {
            patchAnswer = dir.filePath(name).toStdString();
            pressCtrlE();
            QCOMPARE(boxes->boxes.size(), std::size_t(1));
            QVERIFY2(boxes->boxes[0].text.find("2 changed bytes") != std::string::npos, boxes->boxes[0].text.c_str());
            boxes->boxes.clear();
            QVERIFY(applyPatch(readFile(original), readFile(*patchAnswer)) == editedImage());
        }
        // Asked for once, then remembered.
        QCOMPARE(originalQuestions, 1);
        // Nothing was saved.
        QVERIFY(readFile(romPath) == readFile(original));
    }

    void aChangedOriginalIsAskedForAgain()
    {
        const std::vector<std::uint8_t> kept = readFile(original);
        std::vector<std::uint8_t> changed = kept;
        changed[100] ^= 1;
        QFile file(QString::fromStdString(original));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(changed.data()), qint64(changed.size()));
        file.close();
        const int before = originalQuestions;
        patchAnswer = dir.filePath("again.bps").toStdString();
        pressCtrlE();
        QCOMPARE(originalQuestions, before + 1);
        QCOMPARE(boxes->boxes.size(), std::size_t(2));  // why it asks, then the result
        QVERIFY(boxes->boxes[0].text.find("has changed") != std::string::npos);
    }

    void aCancelWritesNothing()
    {
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        patchAnswer.reset();
        pressCtrlE();
        QVERIFY(boxes->boxes.empty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void aPatchOverTheImageIsRefused()
    {
        const std::vector<std::uint8_t> before = readFile(romPath);
        patchAnswer = romPath;
        pressCtrlE();
        QCOMPARE(boxes->boxes.size(), std::size_t(1));
        QCOMPARE(boxes->boxes[0].caption, std::string("error"));
        QVERIFY(readFile(romPath) == before);
    }
};

QTEST_MAIN(PatchExportTest)
#include "patch_export_test.moc"
