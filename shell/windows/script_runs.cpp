#include "shell/windows/script_runs.h"

#include <cstdio>
#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include "model/editor.h"
#include "script/script_place.h"
#include "shell/script/script_thread.h"
#include "shell/session/app_state.h"
#include "shell/windows/user_input_follow_up.h"

namespace {

// How long a run may take before the editor offers to stop it.
constexpr int kPatienceMilliseconds = 2000;

std::unique_ptr<ScriptThread> scriptThread;
std::vector<ScriptCommand> knownCommands;
std::function<void(const QString&, bool)> output;
std::function<void()> listObserver;
std::unique_ptr<QFileSystemWatcher> folderWatcher;
bool running = false;

void show(const QString& line, bool isError)
{
    if (output) {
        output(line, isError);
        return;
    }
    std::fprintf(isError ? stderr : stdout, "%s\n", line.toUtf8().constData());
    std::fflush(isError ? stderr : stdout);
}

void listChanged()
{
    if (listObserver)
        listObserver();
}

ScriptThread& thread()
{
    if (!scriptThread) {
        scriptThread = std::make_unique<ScriptThread>(theEditor);
        scriptThread->post(
            [](ScriptSession& session) {
                // Printed lines reach the window's thread in their order.
                session.setOutput([](const QString& line) {
                    QMetaObject::invokeMethod(
                        qApp, [line] { show(line, false); }, Qt::QueuedConnection);
                });
            },
            qApp, [] {});
    }
    return *scriptThread;
}

// Runs task on the scripts' thread and waits for it, keeping the window drawn: user
// input waits meanwhile, and past the patience a box offers to stop the run.
ScriptOutcome runAndWait(const QString& name, std::function<ScriptOutcome(ScriptSession&)> task)
{
    if (running)
        return {ScriptOutcome::Result::Failed,
                {},
                {name, 0, QCoreApplication::translate("script_runs", "another script is still running")},
                false};
    if (const std::optional<QString> problem = scriptEngineProblem())
        return {ScriptOutcome::Result::Failed, {}, {name, 0, *problem}, false};
    running = true;
    tablesLentToScript = true;
    ScriptOutcome outcome;
    std::optional<ScriptPlace> place;
    std::vector<ScriptCommand> commands;
    QEventLoop loop;
    QPointer<QMessageBox> offer;
    bool finished = false;
    thread().post(
        [&](ScriptSession& session) {
            outcome = task(session);
            place = session.takePlace();
            commands = session.commands();
        },
        &loop,
        [&] {
            finished = true;
            if (offer)
                offer->done(QMessageBox::Cancel);
            loop.quit();
        });
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, [&] {
        if (finished)
            return;
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate("script_runs", "Script"),
                        QCoreApplication::translate(
                            "script_runs", "The script %1 has run for 2 seconds. Stop it and take back its changes?")
                            .arg(name),
                        QMessageBox::NoButton, boxOwner());
        QPushButton* stop =
            box.addButton(QCoreApplication::translate("script_runs", "Stop"), QMessageBox::DestructiveRole);
        box.addButton(QCoreApplication::translate("script_runs", "Let It Run"), QMessageBox::RejectRole);
        offer = &box;
        box.exec();
        offer = nullptr;
        if (!finished && box.clickedButton() == static_cast<QAbstractButton*>(stop))
            thread().interrupt();
    });
    patience.start(kPatienceMilliseconds);
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    running = false;
    tablesLentToScript = false;

    if (outcome.changed) {
        // The chip images follow the tables a script changed, as after an undo.
        theEditor.drawChips();
        if (!theEditor.object[theEditor.curStage][theEditor.curObject & 0x3F].isUsed())
            theEditor.curObject = 0;
    }
    if (place)
        showPlace(theEditor, *place);
    if (commands.size() != knownCommands.size() ||
        !std::equal(
            commands.begin(), commands.end(), knownCommands.begin(),
            [](const ScriptCommand& a, const ScriptCommand& b) { return a.id == b.id && a.label == b.label; })) {
        knownCommands = commands;
        listChanged();
    }
    return outcome;
}

void reportFailure(const ScriptOutcome& outcome, bool inBox)
{
    if (outcome.succeeded())
        return;
    const QString text = outcome.result == ScriptOutcome::Result::Stopped
        ? QCoreApplication::translate("script_runs", "%1: stopped; its changes are taken back").arg(outcome.error.file)
        : outcome.error.text();
    show(text, true);
    if (inBox && outcome.result == ScriptOutcome::Result::Failed)
        QMessageBox::warning(
            boxOwner(), QCoreApplication::translate("script_runs", "Script"),
            QCoreApplication::translate("script_runs", "The script failed and its changes are taken back:\n%1")
                .arg(text));
}

void watchFolder()
{
    if (folderWatcher)
        return;
    folderWatcher = std::make_unique<QFileSystemWatcher>();
    // Made at once, so that the user finds it and files put there appear at once.
    QDir().mkpath(scriptsFolder());
    const auto rewatch = [] {
        if (!folderWatcher->files().isEmpty())
            folderWatcher->removePaths(folderWatcher->files());
        const QString folder = scriptsFolder();
        if (QFileInfo::exists(folder) && !folderWatcher->directories().contains(folder))
            folderWatcher->addPath(folder);
        for (const QString& name : scriptsInFolder())
            folderWatcher->addPath(QDir(folder).filePath(name));
    };
    rewatch();
    QObject::connect(folderWatcher.get(), &QFileSystemWatcher::directoryChanged, [rewatch] {
        rewatch();
        listChanged();
    });
    // An editor that saves by replacing the file ends the watch on it: watch it again.
    QObject::connect(folderWatcher.get(), &QFileSystemWatcher::fileChanged, [rewatch] {
        rewatch();
        listChanged();
    });
}

}  // namespace

QString scriptsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("scripts");
}

QStringList scriptsInFolder()
{
    watchFolder();
    return QDir(scriptsFolder()).entryList({"*.js"}, QDir::Files | QDir::Readable, QDir::Name);
}

void chooseAndRunScript()
{
    const QString path =
        QFileDialog::getOpenFileName(boxOwner(), QCoreApplication::translate("script_runs", "Run Script"), QString(),
                                     QCoreApplication::translate("script_runs", "JavaScript (*.js);;All files (*)"));
    if (!path.isEmpty())
        runScriptFile(path);
}

void runScriptFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(boxOwner(), QCoreApplication::translate("script_runs", "Script"),
                             QCoreApplication::translate("script_runs", "The script %1 cannot be read: %2")
                                 .arg(path, file.errorString()));
        return;
    }
    const QString program = QString::fromUtf8(file.readAll());
    reportFailure(runAndWait(name, [&](ScriptSession& session) { return session.run(program, name, name); }), true);
}

void runRegisteredScriptCommand(const QString& id)
{
    reportFailure(runAndWait(id, [&](ScriptSession& session) { return session.runCommand(id); }), true);
}

std::vector<ScriptCommand> registeredScriptCommands()
{
    return knownCommands;
}

ScriptOutcome evaluateScriptLine(const QString& line)
{
    const QString name = QCoreApplication::translate("script_runs", "Script Console");
    const ScriptOutcome outcome =
        runAndWait(name, [&](ScriptSession& session) { return session.run(line, name, name); });
    reportFailure(outcome, false);
    return outcome;
}

void setScriptOutput(std::function<void(const QString& line, bool isError)> sink)
{
    output = std::move(sink);
}

void setScriptListObserver(std::function<void()> observer)
{
    listObserver = std::move(observer);
}

void endScripts()
{
    scriptThread.reset();
    folderWatcher.reset();
}
