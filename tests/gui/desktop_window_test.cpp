// The window as today's desktops have it: the menus made from the command registry,
// opening another image (the unsaved question, a dropped file, a file that cannot be
// opened), the recent images and the settings that keep them.

#include <map>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "edit/commands.h"
#include "edit/key_reference.h"
#include "gui_support.h"
#include "model/editable_tables.h"
#include "shell/main_window/application_commands.h"
#include "shell/main_window/menu_bar.h"
#include "shell/main_window/open_image.h"
#include "shell/session/settings.h"
#include "shell/windows/key_reference_window.h"
#include "shell/windows/panels.h"
#include "shell/windows/picture_export_dialog.h"
#include "state/recovery_file.h"

namespace {

// Every item of the menu bar with a command, by the command's id, with its text.
void collectItems(const QMenu& menu, std::map<std::string, std::vector<QAction*>>& items)
{
    for (QAction* action : menu.actions()) {
        if (action->menu())
            collectItems(*action->menu(), items);
        else if (!action->data().toString().isEmpty())
            items[action->data().toString().toStdString()].push_back(action);
    }
}

bool listedInKeyList(const Command& command)
{
    const std::string key = commandShortcut(command);
    const std::string menuPlace = std::string(menuName(command.menu)) + " > " + command.label;
    for (int view = 0; view < kViewCount; ++view)
        for (const ReferenceSection& section : keyReference(view))
            for (const ReferenceEntry& entry : section.entries)
                if (key.empty() ? entry.input == menuPlace : entry.input.rfind(key, 0) == 0)
                    return true;
    return false;
}

// Answers the question about unsaved edits with answer and counts the questions.
class Answers {
public:
    explicit Answers(int answer)
    {
        setMessageBoxHandler([this, answer](const MessageBoxRequest& request) {
            texts.push_back(request.text);
            return (request.flags & MB_YESNOCANCEL) == MB_YESNOCANCEL ? answer : IDOK;
        });
    }
    ~Answers() { setMessageBoxHandler({}); }
    Answers(const Answers&) = delete;
    Answers& operator=(const Answers&) = delete;
    std::vector<std::string> texts;
};

// An edit of stage 0 routed as the user's, so that the history takes it in.
void editAsTheUser()
{
    theEditor.pageSet[0][0] ^= 1;
    QTest::keyClick(mainWindow->handle(), Qt::Key_Escape);
}

}  // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string first;
    std::string second;

private slots:
    void initTestCase()
    {
        qputenv("XDG_STATE_HOME", dir.filePath("state").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        useSettings(true);
        first = startOnDemoImage(dir);
        QVERIFY(!first.empty());
        second = writeDemoRomInto(dir, "second.nes");
        mainWindow->handle()->show();
    }

    void cleanupTestCase()
    {
        releaseUi();
        endImage();
        useSettings(false);
    }

    void everyCommandIsInTheMenusWithItsKeyAndInTheKeyList()
    {
        std::map<std::string, std::vector<QAction*>> items;
        for (QAction* menu : mainMenuBar()->actions())
            collectItems(*menu->menu(), items);
        for (const Command& command : commands()) {
            QVERIFY2(listedInKeyList(command), command.id);
            // Menus of their own: of the images, the scripts and the languages.
            if (std::string_view(command.id) == "file.openRecent" || std::string_view(command.id) == "tools.scripts" ||
                std::string_view(command.id) == "view.language")
                continue;
            QVERIFY2(!items[command.id].empty(), command.id);
            const std::string key = commandShortcut(command);
            const QString text = QString(command.label) + (key.empty() ? "" : "\t" + QString::fromStdString(key));
            for (QAction* item : items[command.id]) {
                QCOMPARE(item->text(), text);
                // The key stays with the editing area and its tables.
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        // Greyed where the command cannot act: Cut only in "OBJECT".
        QMenu* edit = mainMenuBar()->actions().at(1)->menu();
        emit edit->aboutToShow();
        QVERIFY(!items["edit.cut"].front()->isEnabled());
        QVERIFY(items["edit.copy"].front()->isEnabled());
    }

    void theUnsavedQuestionSavesDiscardsOrStays()
    {
        const std::vector<std::uint8_t> fileBefore = readFile(first);
        editAsTheUser();
        QVERIFY(mainWindow->handle()->isWindowModified());
        const std::vector<std::uint8_t> edited = editableTables(theEditor);
        {
            const Answers cancel(IDCANCEL);
            QVERIFY(!openAnotherImage(second));
            QCOMPARE(cancel.texts.size(), std::size_t(1));
            QCOMPARE(cancel.texts.front(), std::string("Save the changes to demo.nes before opening another image?"));
        }
        QCOMPARE(romPath, first);
        QVERIFY(editableTables(theEditor) == edited);
        {
            const Answers save(IDYES);
            QVERIFY(openAnotherImage(second));
        }
        QCOMPARE(romPath, second);
        QVERIFY(readFile(first) != fileBefore);
        QVERIFY(!mainWindow->handle()->isWindowModified());
        QCOMPARE(mainWindow->handle()->windowTitle(), QString("second.nes[*] - Quarrix Editor ver.1.2.0"));

        editAsTheUser();
        const std::vector<std::uint8_t> secondBefore = readFile(second);
        {
            const Answers discard(IDNO);
            QVERIFY(openAnotherImage(first));
        }
        QCOMPARE(romPath, first);
        QVERIFY(readFile(second) == secondBefore);
        // Set aside as the restore question's Discard does, not lost.
        QVERIFY(QFile::exists(QString::fromStdString(discardedRecoveryPath(second))));
        QVERIFY(theEditor.history.undoSteps() == 0);
    }

    void aFileDroppedOnTheWindowOpens()
    {
        const std::string dropped = writeDemoRomInto(dir, "dropped.nes");
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped))});
        QWidget* window = mainWindow->handle();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &drop);
        QTRY_COMPARE(romPath, dropped);
        delete data;
    }

    void anImageThatCannotBeOpenedLeavesTheCurrentOneOpen()
    {
        const std::string current = romPath;
        editAsTheUser();
        const std::vector<std::uint8_t> tables = editableTables(theEditor);
        QFile shortFile(dir.filePath("short.nes"));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write("NES\x1a", 4);
        shortFile.close();
        const std::string shortPath = shortFile.fileName().toStdString();
        for (const std::string& path :
             {dir.filePath("missing.nes").toStdString(), dir.path().toStdString(), shortPath}) {
            const MessageBoxRecorder boxes;
            QVERIFY(!openAnotherImage(path));
            QCOMPARE(boxes.boxes.size(), std::size_t(1));
            QVERIFY(boxes.boxes.front().text.find("cannot open " + path + ": ") == 0);
            QCOMPARE(romPath, current);
            QVERIFY(editableTables(theEditor) == tables);
            QVERIFY(theEditor.history.modified());
        }
        // Back to the file's state for what follows.
        QTest::keyClick(mainWindow->handle(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!mainWindow->handle()->isWindowModified());
    }

    void theRecentImagesAreNewestFirstAndKeptInTheSettings()
    {
        const std::vector<std::string> recent = recentImages();
        QVERIFY(recent.size() >= 3);
        QCOMPARE(recent[0], romPath);
        QCOMPARE(recent[1], first);
        QCOMPARE(recent[2], second);
        QMenu* file = mainMenuBar()->actions().at(0)->menu();
        QMenu* recentMenu = nullptr;
        for (QAction* action : file->actions())
            if (action->menu())
                recentMenu = action->menu();
        QVERIFY(recentMenu);
        QVERIFY(recentMenu->actions().at(1)->text().endsWith("demo.nes"));
        useSettings(true);  // read again from the file
        QVERIFY(recentImages() == recent);

        // The second item opens the image before.
        recentMenu->actions().at(1)->trigger();
        QCOMPARE(romPath, first);
    }

    void exportPicturesWritesEveryStageAndLeavesTheEditingAlone()
    {
        const int stage = theEditor.curStage;
        const int view = theEditor.curTab;
        const QString folder = dir.filePath("pictures");
        setPictureFolderDialog([&] { return std::optional<std::string>(folder.toStdString()); });
        const MessageBoxRecorder boxes;
        QVERIFY(runApplicationCommand("file.exportPictures"));
        setPictureFolderDialog({});
        const qsizetype written = QDir(folder).entryList(QDir::Files).size();
        QVERIFY(written >= kStageCount);
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
        QCOMPARE(boxes.boxes.front().text,
                 std::to_string(written) + " pictures of 16 stages written to " + folder.toStdString());
        QCOMPARE(theEditor.curStage, stage);
        QCOMPARE(theEditor.curTab, view);
    }

    // A panel of the main window, not a window of its own.
    void theKeyListOpensInTheMainWindowAndIsRememberedOpen()
    {
        togglePanelOfCommand("view.keysAndMouse");
        QCOMPARE(keyReferenceList()->window(), mainWindow->handle());
        QVERIFY(keyReferenceList()->isVisible());
        QVERIFY(savedPanelOpen("keys"));
        togglePanelOfCommand("view.keysAndMouse");
        QVERIFY(!keyReferenceList());
        QVERIFY(!savedPanelOpen("keys"));
    }

    void aDamagedSettingsFileCountsAsEmpty()
    {
        const QString folder = dir.filePath("config/quarrix-editor");
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + "/settings.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[recent]\nimages=@Variant(\xff\xfe\x00garbage\n[window\nposition=@Point(x y)\n\x01\x02\x03", 56);
        file.close();
        useSettings(true);
        QVERIFY(recentImages().empty());
        QVERIFY(!savedWindowPosition());
        noteRecentImage(first);
        useSettings(true);
        QCOMPARE(recentImages(), std::vector<std::string>{first});

        // A folder where the file should be cannot be read or written.
        QVERIFY(QFile::remove(folder + "/settings.ini"));
        QVERIFY(QDir().mkpath(folder + "/settings.ini"));
        useSettings(true);
        QVERIFY(recentImages().empty());
        noteRecentImage(second);
        QCOMPARE(recentImages(), std::vector<std::string>{second});
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "desktop_window_test.moc"
