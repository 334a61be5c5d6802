#pragma once

#include <optional>
#include <vector>

#include <QJSEngine>
#include <QJSValue>

#include "shell/script/script_session.h"
#include "shell/script_engine/script_api.h"

// A ScriptSession on Qt's JavaScript engine, with the API of script_prelude.cpp.
class EngineSession final : public ScriptSession {
public:
    explicit EngineSession(EDITOR& editor);
    ~EngineSession() override;

    void setOutput(ScriptOutput output) override { api_->setOutput(std::move(output)); }
    ScriptOutcome run(const QString& program, const QString& file, const QString& stepName) override;
    ScriptOutcome runCommand(const QString& id) override;
    const std::vector<ScriptCommand>& commands() const override { return api_->commands(); }
    std::optional<ScriptPlace> takePlace() override;
    void interrupt() override;

private:
    template <typename Call>
    ScriptOutcome runAsStep(const QString& file, const QString& stepName, Call call);

    EDITOR& editor_;
    QJSEngine engine_;
    ScriptApi* api_;  // owned by the engine
    QJSValue commandFunctions_;
    std::optional<ScriptPlace> place_;
};
