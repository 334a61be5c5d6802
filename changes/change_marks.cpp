#include "changes/change_marks.h"

#include <cstring>

#include "model/editable_tables.h"
#include "model/stage_records.h"

void markChanges(ChangeMarks& marks, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)
{
    const std::span<const EditableTable> tables = editableTableList();
    ++marks.revision;
    marks.parts.assign(tables.size() * kStageCount, {});
    std::size_t at = 0;
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const std::size_t partSize = std::size_t(tables[t].layout->partSize);
        for (int s = 0; s < kStageCount; ++s, at += tables[t].stageSize) {
            std::vector<std::uint8_t>& parts = marks.parts[t * kStageCount + std::size_t(s)];
            parts.assign(tables[t].stageSize / partSize, 0);
            if (at + tables[t].stageSize > before.size() || at + tables[t].stageSize > after.size() ||
                std::memcmp(before.data() + at, after.data() + at, tables[t].stageSize) == 0)
                continue;
            for (std::size_t p = 0; p < parts.size(); ++p)
                parts[p] =
                    std::memcmp(before.data() + at + p * partSize, after.data() + at + p * partSize, partSize) != 0;
        }
    }
}
