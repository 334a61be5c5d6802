#include "stagefile/stage_data.h"

#include <cstring>

#include "model/editor.h"

StageData stageDataOf(const EDITOR& editor, int stage)
{
    StageData data;
    std::memcpy(data.pageSet, editor.pageSet[stage], sizeof data.pageSet);
    std::memcpy(data.mapSet, editor.mapSet[stage], sizeof data.mapSet);
    std::memcpy(data.chipSet, editor.chipSet[stage], sizeof data.chipSet);
    std::memcpy(data.chip, editor.chip[stage], sizeof data.chip);
    std::memcpy(data.object, editor.object[stage], sizeof data.object);
    return data;
}

void putStageData(EDITOR& editor, int stage, const StageData& data)
{
    std::memcpy(editor.pageSet[stage], data.pageSet, sizeof data.pageSet);
    std::memcpy(editor.mapSet[stage], data.mapSet, sizeof data.mapSet);
    std::memcpy(editor.chipSet[stage], data.chipSet, sizeof data.chipSet);
    std::memcpy(editor.chip[stage], data.chip, sizeof data.chip);
    std::memcpy(editor.object[stage], data.object, sizeof data.object);
}

void importStageData(EDITOR& editor, int stage, const StageData& data)
{
    // Whatever came before is a step of its own; the import is the next.
    editor.history.record(editor, false);
    putStageData(editor, stage, data);
    editor.history.record(editor, false);
}
