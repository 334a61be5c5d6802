// Scripts in the editor: Tools > Scripts follows the scripts folder as files come and
// change, runs a script as one step Ctrl+Z takes back, lists the commands scripts
// register and runs them; the Script Console evaluates lines and shows what they print.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

#include "edit/undo_redo.h"
#include "gui_support.h"
#include "shell/main_window/application_commands.h"
#include "shell/main_window/menu_bar.h"
#include "shell/windows/command_search_popup.h"
#include "shell/windows/script_console_window.h"
#include "shell/windows/script_runs.h"

class ScriptMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QMenu* scriptsMenu()
    {
        for (QAction* menu : mainMenuBar()->actions())
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (item->menu() && item->text() == "Scripts")
                        return item->menu();
        return nullptr;
    }

    QStringList itemTexts()
    {
        QStringList texts;
        for (QAction* item : scriptsMenu()->actions())
            if (!item->isSeparator())
                texts << item->text();
        return texts;
    }

    QAction* item(const QString& text)
    {
        for (QAction* item : scriptsMenu()->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }

    void writeScript(const QString& name, const QByteArray& text)
    {
        QVERIFY(QDir().mkpath(scriptsFolder()));
        QFile file(QDir(scriptsFolder()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        QVERIFY(!startOnDemoImage(dir).empty());
    }

    void cleanupTestCase() { releaseUi(); }

    void theMenuFollowsTheFolderAndARunIsOneStep()
    {
        QVERIFY(scriptsMenu());
        QCOMPARE(itemTexts().size(), 1);  // "No scripts in ..."
        writeScript("first-page.js", "editor.stage(0).setPage(0, 9);\n");
        QTRY_COMPARE(itemTexts(), QStringList{"first-page.js"});

        const int before = theEditor.pageSet[0][0];
        QVERIFY(before != 9);
        item("first-page.js")->trigger();
        QCOMPARE(theEditor.pageSet[0][0], 9);
        QCOMPARE(theEditor.history.lastStepName(), std::string("first-page.js"));
        undoEdit(theEditor);
        QCOMPARE(theEditor.pageSet[0][0], before);

        // A changed file is what the next run reads, and its commands join the menu.
        writeScript("first-page.js",
                    "editor.registerCommand('pages.second', 'Second page to 4', () => {\n"
                    "    editor.stage(0).setPage(1, 4);\n});\n");
        item("first-page.js")->trigger();
        QCOMPARE(theEditor.pageSet[0][0], before);
        QTRY_COMPARE(itemTexts(), (QStringList{"first-page.js", "Second page to 4"}));
        QCOMPARE(registeredScriptCommands().size(), std::size_t(1));
        item("Second page to 4")->trigger();
        QCOMPARE(theEditor.pageSet[0][1], 4);
        QCOMPARE(theEditor.history.lastStepName(), std::string("Second page to 4"));

        // The command search (Ctrl+F) finds and runs it as the menu does.
        undoEdit(theEditor);
        QVERIFY(theEditor.pageSet[0][1] != 4);
        QTest::keyClick(mainWindow->handle(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(openCommandSearchWidget());
        auto* field = openCommandSearchWidget()->findChild<QLineEdit*>();
        QTest::keyClicks(field, "second page");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(theEditor.pageSet[0][1], 4);
    }

    void theConsoleEvaluatesALineAndShowsItsOutputAndErrors()
    {
        QVERIFY(runApplicationCommand("view.scriptConsole"));
        QWidget* console = scriptConsole();
        QVERIFY(console);
        auto* line = console->findChild<QLineEdit*>();
        auto* log = console->findChild<QPlainTextEdit*>();
        line->setText("print('objects', editor.stage(0).objects().length); 6 * 7");
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY2(log->toPlainText().contains("42"), qPrintable(log->toPlainText()));
        QTRY_VERIFY(log->toPlainText().contains("objects "));
        const int cell = theEditor.mapSet[0][0][0];
        line->setText("editor.stage(0).setMapSetCell(0, 0, 0, 1); editor.stage(0).setPage(0, 99)");
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(
            log->toPlainText().contains("Script Console:1: RangeError: pages: stage 0, page 0: 99 is not a map set"));
        QCOMPARE(theEditor.mapSet[0][0][0], cell);
        QVERIFY(runApplicationCommand("view.scriptConsole"));
        QVERIFY(!scriptConsole());
    }
};

QTEST_MAIN(ScriptMenuTest)
#include "script_menu_test.moc"
