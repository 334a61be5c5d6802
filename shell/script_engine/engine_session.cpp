#include "shell/script_engine/engine_session.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "model/editor.h"
#include "script/script_step.h"
#include "shell/script_engine/script_prelude.h"

namespace {

// The file name the API's own code runs under; errors point past it into the script.
const QString kPreludeFile = QStringLiteral("quarrix-editor-api");

// The line of the innermost frame of the script's own code in an exception's stack,
// whose frames read "function:line:column:file"; 0 when there is none.
int lineInScript(const QStringList& stack)
{
    static const QRegularExpression frame(QStringLiteral("^.*:(\\d+):-?\\d+:(.*)$"));
    for (const QString& entry : stack) {
        const QRegularExpressionMatch match = frame.match(entry);
        if (match.hasMatch() && !match.captured(2).endsWith(kPreludeFile))
            return match.captured(1).toInt();
    }
    return 0;
}

}  // namespace

EngineSession::EngineSession(EDITOR& editor) : editor_(editor), api_(new ScriptApi(editor))
{
    // The engine takes the API object: it lives as long as the engine.
    const QJSValue native = engine_.newQObject(api_);
    commandFunctions_ = engine_.newObject();
    const QJSValue prelude = engine_.evaluate(QString::fromUtf8(scriptPrelude()), kPreludeFile);
    const QJSValue made = prelude.call({native, commandFunctions_});
    if (made.isError())
        qFatal("the scripts' API does not load: %s", qPrintable(made.toString()));
    for (const char* global : {"editor", "print"})
        engine_.globalObject().setProperty(QLatin1String(global), made.property(QLatin1String(global)));
}

EngineSession::~EngineSession() = default;

template <typename Call>
ScriptOutcome EngineSession::runAsStep(const QString& file, const QString& stepName, Call call)
{
    ScriptStep step(editor_);
    api_->beginRun(file, stepName);
    // A stop asked for after the last run ended is not for this one.
    engine_.setInterrupted(false);
    QStringList stack;
    const QJSValue value = call(stack);
    ScriptOutcome outcome;
    if (engine_.isInterrupted()) {
        outcome.result = ScriptOutcome::Result::Stopped;
        outcome.error = {file, 0, QCoreApplication::translate("script_session", "stopped before it ended")};
    } else if (!stack.isEmpty() || value.isError()) {
        outcome.result = ScriptOutcome::Result::Failed;
        outcome.error = {file, lineInScript(stack), value.toString()};
    }
    engine_.setInterrupted(false);
    if (!outcome.succeeded()) {
        step.takeBack();
        return outcome;
    }
    if (!value.isUndefined())
        outcome.value = value.toString();
    outcome.changed = step.finish(api_->stepName().toStdString());
    place_ = api_->place();
    return outcome;
}

ScriptOutcome EngineSession::run(const QString& program, const QString& file, const QString& stepName)
{
    return runAsStep(file, stepName, [&](QStringList& stack) { return engine_.evaluate(program, file, 1, &stack); });
}

ScriptOutcome EngineSession::runCommand(const QString& id)
{
    ScriptCommand named{id, id, id};
    for (const ScriptCommand& command : commands())
        if (command.id == id)
            named = command;
    return runAsStep(named.file, named.label, [&](QStringList& stack) {
        // An exception thrown by the function comes back as its value; an error carries
        // where it was made.
        const QJSValue function = commandFunctions_.property(id);
        if (!function.isCallable())
            return engine_.newErrorObject(
                QJSValue::ReferenceError,
                QCoreApplication::translate("script_session", "no command has the id %1").arg(id));
        const QJSValue result = function.call();
        if (!result.hasProperty(QStringLiteral("thrown")))
            return result.property(QStringLiteral("value"));
        const QJSValue thrown = result.property(QStringLiteral("thrown"));
        stack << QStringLiteral("%1:%2:-1:%3")
                     .arg(id)
                     .arg(thrown.property(QStringLiteral("lineNumber")).toInt())
                     .arg(thrown.property(QStringLiteral("fileName")).toString());
        return thrown;
    });
}

std::optional<ScriptPlace> EngineSession::takePlace()
{
    return std::exchange(place_, std::nullopt);
}

void EngineSession::interrupt()
{
    engine_.setInterrupted(true);
}

// What the program calls, by name, once it has loaded this module.
extern "C" Q_DECL_EXPORT ScriptSession* quarrixMakeScriptSession(EDITOR& editor)
{
    return new EngineSession(editor);
}
