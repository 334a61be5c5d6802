#include "shell/script/script_session.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

using MakeSession = ScriptSession* (*)(EDITOR&);

constexpr const char* kEngineFile = "quarrix-script-engine.so";
constexpr const char* kMakeSession = "quarrixMakeScriptSession";

struct Engine {
    MakeSession make = nullptr;
    QString problem;
};

// Beside the program in the build folder, in its own folder of libraries once
// installed. Never unloaded: sessions and their code live until the program ends.
Engine loadEngine()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QLatin1String(kEngineFile));
    QLibrary library(QFileInfo::exists(beside) ? beside
                                               : QDir::cleanPath(programFolder.filePath(
                                                     QStringLiteral(QUARRIX_SCRIPT_ENGINE_DIR "/") + kEngineFile)));
    // Every symbol now: one that is missing makes the load fail here instead of the
    // program when a script first calls it.
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    Engine engine;
    if (library.load())
        engine.make = reinterpret_cast<MakeSession>(library.resolve(kMakeSession));
    if (!engine.make)
        engine.problem = QCoreApplication::translate("script_session", "the script engine cannot be loaded: %1")
                             .arg(library.errorString());
    return engine;
}

const Engine& engine()
{
    static const Engine loaded = loadEngine();
    return loaded;
}

}  // namespace

QString ScriptError::text() const
{
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message)
                    : QStringLiteral("%1: %2").arg(file, message);
}

std::optional<QString> scriptEngineProblem()
{
    if (engine().make)
        return std::nullopt;
    return engine().problem;
}

std::unique_ptr<ScriptSession> makeScriptSession(EDITOR& editor)
{
    if (!engine().make)
        throw std::runtime_error(engine().problem.toStdString());
    return std::unique_ptr<ScriptSession>(engine().make(editor));
}
