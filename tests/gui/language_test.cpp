// The editor in Japanese: every menu item and command description has its translation,
// a language chosen while the editor runs retranslates the menu bar and an open panel
// at once and is kept, and the command line speaks the system's language.

#include <algorithm>

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "edit/commands.h"
#include "gui_support.h"
#include "program_run.h"
#include "shell/main_window/menu_bar.h"
#include "shell/session/language.h"
#include "shell/session/settings.h"
#include "text/translation.h"

namespace {

// The names the glossary keeps as they are written: the five views'.
bool keptInEnglish(std::string_view label)
{
    return label == "MAP" || label == "OBJECT" || label == "MAP SET" || label == "CHIP SET" || label == "CHIP";
}

QString titleOf(int menu)
{
    return mainMenuBar()->actions().at(menu)->text();
}

// Language changes reach the windows as posted events.
void deliverLanguageChange()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        useSettings(true);
        QVERIFY(!startOnDemoImage(dir).empty());
    }

    void everyMenuItemAndCommandDescriptionIsTranslated()
    {
        useLanguage(Language::Japanese);
        QStringList untranslated;
        const auto check = [&](const char* english) {
            if (translated("commands", english) == english && !keptInEnglish(english))
                untranslated << english;
        };
        for (Menu menu : {Menu::File, Menu::Edit, Menu::View, Menu::Tools, Menu::Help})
            check(menuName(menu));
        for (const Command& command : commands()) {
            check(command.label);
            check(command.does);
        }
        useLanguage(Language::English);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(" | ")));
    }

    void aLanguageChosenWhileRunningRetranslatesAtOnceAndIsKept()
    {
        QTest::keyClick(mainWindow->handle(), Qt::Key_F8);  // the Changes panel
        auto* changes = mainWindow->handle()->findChild<QDockWidget*>("changes");
        QVERIFY(changes && changes->isVisible());
        const QString englishTitle = changes->windowTitle();
        const QString englishButton = changes->findChild<QPushButton*>()->text();
        QCOMPARE(titleOf(0), QString("&File"));

        chooseLanguage(Language::Japanese);
        deliverLanguageChange();
        QCOMPARE(titleOf(0), QString("ファイル(&F)"));
        QCOMPARE(titleOf(1), QString("編集(&E)"));
        QVERIFY(changes->windowTitle() != englishTitle);
        QVERIFY(changes->findChild<QPushButton*>()->text() != englishButton);
        QCOMPARE(savedLanguage(), std::string("ja"));

        chooseLanguage(Language::English);
        deliverLanguageChange();
        QCOMPARE(titleOf(0), QString("&File"));
        QCOMPARE(changes->windowTitle(), englishTitle);
        QCOMPARE(changes->findChild<QPushButton*>()->text(), englishButton);
    }

    void theCommandLineSpeaksTheSystemsLanguage()
    {
        const auto inLanguage = [&](const char* lang) {
            return runProgram({dir.filePath("missing.nes"), "--info"}, dir.path(), [&](QProcessEnvironment& env) {
                env.remove("LC_ALL");
                env.remove("LC_MESSAGES");
                env.insert("LANG", lang);
            });
        };
        const ProgramRun english = inLanguage("C.UTF-8");
        const ProgramRun japanese = inLanguage("ja_JP.UTF-8");
        QCOMPARE(english.exitCode, 1);
        QCOMPARE(japanese.exitCode, 1);
        // The runs print their errors with their results, on standard output.
        QVERIFY2(english.out.contains("cannot tell what the image is") && english.out.contains("not found"),
                 qPrintable(english.out));
        // The same error, naming the same file, with no English word left in it.
        const bool hasKana = std::any_of(japanese.out.begin(), japanese.out.end(),
                                         [](QChar c) { return c.unicode() >= 0x3040 && c.unicode() <= 0x30FF; });
        QVERIFY2(hasKana && japanese.out.contains("missing.nes") && !japanese.out.contains("cannot") &&
                     !japanese.out.contains("not found"),
                 qPrintable(japanese.out));
        QVERIFY2(japanese.err.isEmpty(), qPrintable(japanese.err));
    }

private:
    QTemporaryDir dir;
    QTemporaryDir config;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
