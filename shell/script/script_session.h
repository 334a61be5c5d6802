#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "script/script_place.h"

class EDITOR;

// Where and why a run failed: "fix.js:12: RangeError: map sets: ...".
struct ScriptError {
    QString file;
    int line = 0;
    QString message;

    QString text() const;
};

struct ScriptOutcome {
    enum class Result { Done, Failed, Stopped };
    Result result = Result::Done;
    QString value;         // what the program's last expression gave, as text ("" for undefined)
    ScriptError error;     // when it failed
    bool changed = false;  // whether it left a step in the history

    bool succeeded() const { return result == Result::Done; }
};

// A command a script registered: shown in Tools > Scripts and the command search, run by
// calling the function the script gave.
struct ScriptCommand {
    QString id;
    QString label;
    QString file;  // of the script that registered it
};

// Where the lines a script prints go.
using ScriptOutput = std::function<void(const QString& line)>;

// One engine with the scripts' API over one editor: it runs programs, lines of the
// console and registered commands, each as one step of the history named after it. A
// run that throws or is stopped is taken back whole: the tables are as before it and
// the history has no step. The engine keeps what earlier runs defined, so the console's
// lines build on each other and registered commands stay callable.
//
// Scripts reach nothing but the API and the language itself: no file, network or
// process access.
class ScriptSession {
public:
    virtual ~ScriptSession() = default;

    virtual void setOutput(ScriptOutput output) = 0;

    // Runs program, read from file (the name errors give), as one step named stepName
    // (or the name editor.step gives).
    virtual ScriptOutcome run(const QString& program, const QString& file, const QString& stepName) = 0;
    // Runs a registered command's function as one step named after its label.
    virtual ScriptOutcome runCommand(const QString& id) = 0;

    virtual const std::vector<ScriptCommand>& commands() const = 0;
    // The place the last successful run asked the editor to show, once.
    virtual std::optional<ScriptPlace> takePlace() = 0;

    // Stops the run under way; safe from any thread.
    virtual void interrupt() = 0;
};

// The engine is a module of its own (shell/script_engine), loaded by the first script:
// the program starts without Qt's JavaScript engine and the libraries it brings.

// Loads the engine when it is not loaded yet; says why it cannot be, in the user's
// language, or nothing when it can. Safe from any thread.
std::optional<QString> scriptEngineProblem();

// A session over editor. Throws std::runtime_error, saying why, when the engine cannot
// be loaded.
std::unique_ptr<ScriptSession> makeScriptSession(EDITOR& editor);
