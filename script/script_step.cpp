#include "script/script_step.h"

#include "model/editable_tables.h"
#include "model/editor.h"

ScriptStep::ScriptStep(EDITOR& editor) : editor_(editor), before_(editableTables(editor))
{}

void ScriptStep::takeBack()
{
    restoreEditableTables(editor_, before_);
}

bool ScriptStep::finish(const std::string& name)
{
    if (!editor_.history.record(editor_, false))
        return false;
    editor_.history.nameNewestStep(name);
    return true;
}

bool ScriptStep::changedAnything() const
{
    return firstTableDifference(editor_, before_) < before_.size();
}
