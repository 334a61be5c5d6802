#include "model/editable_tables.h"

#include <array>
#include <cstring>

#include "model/editor.h"

namespace {

// One table of the block: where it lives in the editor and how large it is. Every
// table is indexed by stage first, so a stage's part of it is size / kStageCount.
struct Table {
    std::uint8_t* (*data)(EDITOR&);
    std::size_t size;
};

template <auto Member>
std::uint8_t* bytesOf(EDITOR& editor)
{
    return reinterpret_cast<std::uint8_t*>(&(editor.*Member));
}

const std::array<Table, 5> kTables = {{
    {&bytesOf<&EDITOR::pageSet>, sizeof EDITOR::pageSet},
    {&bytesOf<&EDITOR::mapSet>, sizeof EDITOR::mapSet},
    {&bytesOf<&EDITOR::chipSet>, sizeof EDITOR::chipSet},
    {&bytesOf<&EDITOR::chip>, sizeof EDITOR::chip},
    {&bytesOf<&EDITOR::object>, sizeof EDITOR::object},
}};
static_assert(sizeof(ChipRecord) == 6 && sizeof(ObjectRecord) == 4, "the records must have no padding");

const std::uint8_t* tableBytes(const EDITOR& editor, const Table& table)
{
    // The tables are only read through this pointer.
    return table.data(const_cast<EDITOR&>(editor));
}

}  // namespace

std::size_t editableTablesSize()
{
    std::size_t size = 0;
    for (const Table& table : kTables)
        size += table.size;
    return size;
}

void copyEditableTables(const EDITOR& editor, std::span<std::uint8_t> out)
{
    std::size_t at = 0;
    for (const Table& table : kTables) {
        std::memcpy(out.data() + at, tableBytes(editor, table), table.size);
        at += table.size;
    }
}

void restoreEditableTables(EDITOR& editor, std::span<const std::uint8_t> bytes)
{
    std::size_t at = 0;
    for (const Table& table : kTables) {
        std::memcpy(table.data(editor), bytes.data() + at, table.size);
        at += table.size;
    }
}

std::vector<std::uint8_t> editableTables(const EDITOR& editor)
{
    std::vector<std::uint8_t> bytes(editableTablesSize());
    copyEditableTables(editor, bytes);
    return bytes;
}

std::size_t firstTableDifference(const EDITOR& editor, std::span<const std::uint8_t> known, std::size_t from)
{
    std::size_t start = 0;
    for (const Table& table : kTables) {
        const std::size_t end = start + table.size;
        if (from < end) {
            const std::uint8_t* live = tableBytes(editor, table);
            std::size_t at = from > start ? from - start : 0;
            // Whole blocks first: most calls find no difference at all.
            constexpr std::size_t kBlock = 256;
            while (at + kBlock <= table.size && std::memcmp(live + at, known.data() + start + at, kBlock) == 0)
                at += kBlock;
            for (; at < table.size; ++at)
                if (live[at] != known[start + at])
                    return start + at;
        }
        start = end;
    }
    return start;
}

const std::uint8_t* editableTableByte(const EDITOR& editor, std::size_t offset)
{
    for (const Table& table : kTables) {
        if (offset < table.size)
            return tableBytes(editor, table) + offset;
        offset -= table.size;
    }
    return nullptr;
}

int stageOfTableByte(std::size_t offset)
{
    for (const Table& table : kTables) {
        if (offset < table.size)
            return int(offset / (table.size / kStageCount));
        offset -= table.size;
    }
    return -1;
}
