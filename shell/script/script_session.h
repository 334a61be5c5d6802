#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QJSEngine>
#include <QString>

#include "shell/script/script_api.h"

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
    explicit ScriptSession(EDITOR& editor);
    ~ScriptSession();

    void setOutput(ScriptApi::Output output) { api_->setOutput(std::move(output)); }

    // Runs program, read from file (the name errors give), as one step named stepName
    // (or the name editor.step gives).
    ScriptOutcome run(const QString& program, const QString& file, const QString& stepName);
    // Runs a registered command's function as one step named after its label.
    ScriptOutcome runCommand(const QString& id);

    const std::vector<ScriptCommand>& commands() const { return api_->commands(); }
    // The place the last successful run asked the editor to show, once.
    std::optional<ScriptPlace> takePlace();

    // Stops the run under way; safe from any thread.
    void interrupt();

private:
    template <typename Call>
    ScriptOutcome runAsStep(const QString& file, const QString& stepName, Call call);

    EDITOR& editor_;
    QJSEngine engine_;
    ScriptApi* api_;  // owned by the engine
    QJSValue commandFunctions_;
    std::optional<ScriptPlace> place_;
};
