#include "shell/main_window/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "edit/commands.h"
#include "edit/key_reference.h"
#include "jcode/readable_name.h"
#include "shell/session/app_state.h"
#include "shell/session/language.h"
#include "shell/session/settings.h"
#include "shell/windows/script_runs.h"
#include "shell/windows/user_input_follow_up.h"
#include "swc/top_level_window.h"
#include "text/translation.h"

namespace {

constexpr Menu kMenus[] = {Menu::File, Menu::Edit, Menu::View, Menu::Tools, Menu::Help};

// Menu items send WM_COMMAND with these identifiers, well below those of the controls
// (10000 onwards) and above the command search's choice.
constexpr unsigned kFirstMenuId = 100;
constexpr unsigned kClearRecentId = 80;
constexpr unsigned kFirstRecentId = 81;
static_assert(kFirstRecentId + kRecentImageCount <= kFirstMenuId, "the recent images' items would take commands' ids");

CommandCanAct commandCanAct = nullptr;

QPointer<QMenuBar> menuBar;
QPointer<QMenu> recentMenu;
QPointer<QMenu> scriptsMenu;
QPointer<QMenu> languageMenu;

// A line between groups of a menu, after these commands.
bool endsGroup(std::string_view id)
{
    return id == "file.openRecent" || id == "file.reload" || id == "file.exportPictures" || id == "edit.redo" ||
        id == "edit.selectAll" || id == "view.chip";
}

void send(unsigned id)
{
    if (mainWindow)
        mainWindow->sendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

QString label(const Command& command)
{
    return QString::fromStdString(translated("commands", command.label));
}

// "&File" in English; a translated title keeps the English letter as its Alt key, after
// it in brackets as Japanese menus write it: "ファイル(&F)".
QString menuTitle(Menu which)
{
    const QString english = menuName(which);
    const QString shown = QString::fromStdString(translated("commands", menuName(which)));
    return shown == english ? '&' + english : shown + "(&" + english.front() + ')';
}

// The label and, after a tab, the key: the menu shows the key in its own column
// without taking it as a shortcut.
QString itemText(const Command& command)
{
    QString text = label(command);
    if (const std::string key = commandShortcut(command); !key.empty())
        text += '\t' + QString::fromStdString(key);
    return text;
}

QAction* addCommand(QMenu& menu, const Command& command)
{
    QAction* action = menu.addAction(itemText(command));
    action->setData(QString::fromUtf8(command.id));
    QObject::connect(action, &QAction::triggered, [id = menuCommandId(command)] { send(id); });
    return action;
}

void greyWhatCannotAct(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->menu() == recentMenu) {
            action->setEnabled(!recentImages().empty());
            continue;
        }
        if (action->menu())
            continue;
        if (const Command* command = findCommand(action->data().toString().toStdString()))
            action->setEnabled(!commandCanAct || commandCanAct(*command));
    }
}

// Each language under its own name, the one in use checked.
void fillLanguageMenu()
{
    auto* group = new QActionGroup(languageMenu);
    for (const LanguageName& language : languages()) {
        QAction* item = languageMenu->addAction(QString::fromUtf8(language.ownName));
        item->setCheckable(true);
        item->setActionGroup(group);
        QObject::connect(item, &QAction::triggered, [chosen = language.language] { chooseLanguage(chosen); });
    }
    QObject::connect(languageMenu, &QMenu::aboutToShow, [] {
        const auto known = languages();
        const QList<QAction*> items = languageMenu->actions();
        for (std::size_t index = 0; index < known.size() && index < std::size_t(items.size()); ++index)
            items[qsizetype(index)]->setChecked(known[index].language == currentLanguage());
    });
}

// Every title and item in the language now in use, when it changes.
void retranslateMenuBar()
{
    const QList<QAction*> titles = menuBar->actions();
    for (qsizetype index = 0; index < titles.size() && index < qsizetype(std::size(kMenus)); ++index) {
        QMenu* menu = titles[index]->menu();
        menu->setTitle(menuTitle(kMenus[index]));
        menu->setWindowTitle(menu->title().remove('&'));
        for (QAction* item : menu->actions())
            if (const Command* command = findCommand(item->data().toString().toStdString()))
                item->setText(item->menu() ? label(*command) : itemText(*command));
    }
    refreshRecentMenu();
    refreshScriptsMenu();
}

void fillMenu(QMenu& menu, Menu which)
{
    // Help starts with the key list, which the View menu also holds.
    if (which == Menu::Help)
        if (const Command* keys = findCommand("view.keysAndMouse"))
            addCommand(menu, *keys);
    for (const Command& command : commands()) {
        if (command.menu != which)
            continue;
        if (std::string_view(command.id) == "file.openRecent") {
            recentMenu = menu.addMenu(label(command));
            recentMenu->menuAction()->setData(QString::fromUtf8(command.id));
            refreshRecentMenu();
        } else if (std::string_view(command.id) == "tools.scripts") {
            scriptsMenu = menu.addMenu(label(command));
            scriptsMenu->menuAction()->setData(QString::fromUtf8(command.id));
            refreshScriptsMenu();
            setScriptListObserver(refreshScriptsMenu);
        } else if (std::string_view(command.id) == "view.language") {
            languageMenu = menu.addMenu(label(command));
            languageMenu->menuAction()->setData(QString::fromUtf8(command.id));
            fillLanguageMenu();
        } else {
            addCommand(menu, command);
        }
        if (endsGroup(command.id))
            menu.addSeparator();
    }
    QObject::connect(&menu, &QMenu::aboutToShow, [&menu] { greyWhatCannotAct(menu); });
}

}  // namespace

void installMenuBar(EWC& window, CommandCanAct canAct)
{
    commandCanAct = canAct;
    auto* bar = new QMenuBar;
    // Mouse clicks on the menus leave the keys with the main window.
    bar->setFocusPolicy(Qt::NoFocus);
    for (Menu which : kMenus) {
        QMenu* menu = bar->addMenu(menuTitle(which));
        // The menu's own window is named after it, for window lists and assistive tools.
        menu->setWindowTitle(menu->title().remove('&'));
        fillMenu(*menu, which);
    }
    followLanguage(*bar, retranslateMenuBar);
    menuBar = bar;
    if (auto* topLevel = dynamic_cast<swc::TopLevelWindow*>(window.handle())) {
        // Above the client area, as the platform's menus are: the window grows by it.
        topLevel->setMenuBar(bar);
        topLevel->setClientSize(topLevel->clientSize());
    }
}

unsigned menuCommandId(const Command& command)
{
    return kFirstMenuId + unsigned(&command - commands().data());
}

unsigned recentImageMenuId(int index)
{
    return index < 0 ? kClearRecentId : kFirstRecentId + unsigned(index);
}

const Command* commandOfMenuItem(unsigned id)
{
    const std::span<const Command> all = commands();
    return id >= kFirstMenuId && id - kFirstMenuId < all.size() ? &all[id - kFirstMenuId] : nullptr;
}

std::optional<int> recentImageOfMenuItem(unsigned id)
{
    if (id == kClearRecentId)
        return -1;
    if (id >= kFirstRecentId && id < kFirstRecentId + unsigned(kRecentImageCount))
        return int(id - kFirstRecentId);
    return std::nullopt;
}

QMenuBar* mainMenuBar()
{
    return menuBar.data();
}

void refreshScriptsMenu()
{
    if (!scriptsMenu)
        return;
    scriptsMenu->clear();
    const QString folder = scriptsFolder();
    for (const QString& name : scriptsInFolder()) {
        QAction* item = scriptsMenu->addAction(name);
        QObject::connect(item, &QAction::triggered, [path = QDir(folder).filePath(name)] {
            runScriptFile(path);
            followUpUserInput();
        });
    }
    const std::vector<ScriptCommand> registered = registeredScriptCommands();
    if (!registered.empty())
        scriptsMenu->addSeparator();
    for (const ScriptCommand& command : registered) {
        QAction* item = scriptsMenu->addAction(command.label);
        QObject::connect(item, &QAction::triggered, [id = command.id] {
            runRegisteredScriptCommand(id);
            followUpUserInput();
        });
    }
    if (scriptsMenu->isEmpty()) {
        QAction* none = scriptsMenu->addAction(
            QCoreApplication::translate("menu_bar", "No scripts in %1").arg(QDir::toNativeSeparators(folder)));
        none->setEnabled(false);
    }
}

void refreshRecentMenu()
{
    if (!recentMenu)
        return;
    recentMenu->clear();
    const std::vector<std::string> recent = recentImages();
    for (std::size_t index = 0; index < recent.size(); ++index) {
        const QString name = QString::fromStdString(readableName(recent[index]));
        QAction* item = recentMenu->addAction(QString("&%1 %2").arg((index + 1) % 10).arg(name));
        QObject::connect(item, &QAction::triggered, [index] { send(recentImageMenuId(int(index))); });
    }
    recentMenu->addSeparator();
    QAction* clear = recentMenu->addAction(QCoreApplication::translate("menu_bar", "Clear"));
    clear->setEnabled(!recent.empty());
    QObject::connect(clear, &QAction::triggered, [] { send(recentImageMenuId(-1)); });
    recentMenu->setEnabled(!recent.empty());
}
