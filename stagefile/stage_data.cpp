#include "stagefile/stage_data.h"

#include <span>
#include <stdexcept>

#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

// StageData holds the tables in the order of the list of editable tables, so one
// stage's bytes as copyStageTables lays them out are exactly its bytes.
std::span<std::uint8_t> bytesOf(StageData& data)
{
    if (stageTablesSize() != sizeof data)
        throw std::logic_error("a stage file does not hold every editable table");
    return {reinterpret_cast<std::uint8_t*>(&data), sizeof data};
}

}  // namespace

StageData stageDataOf(const EDITOR& editor, int stage)
{
    StageData data;
    copyStageTables(editor, stage, bytesOf(data));
    return data;
}

void putStageData(EDITOR& editor, int stage, const StageData& data)
{
    restoreStageTables(editor, stage, bytesOf(const_cast<StageData&>(data)));
}

void importStageData(EDITOR& editor, int stage, const StageData& data)
{
    // Whatever came before is a step of its own; the import is the next.
    editor.history.record(editor, false);
    putStageData(editor, stage, data);
    editor.history.record(editor, false);
}
