#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/table_layout.h"

class EDITOR;

// The tables that saving writes (page sets, map sets, chip sets, chips, objects,
// palette sets and tiles of all sixteen stages), seen as one block of bytes. Undo, redo and the recovery of unsaved
// work compare and restore this block, so whatever an edit changes, through whatever
// path, they see it without any code of their own in the commands.
//
// Each table is one entry of a list: loading, saving, stage files, the frame state and
// the comparison of images all go through that list, so a new table is one entry.

// A run of bytes within a stage's bank of the image that a table occupies.
struct BankRun {
    std::size_t offset;
    std::size_t size;
};

// A run of the image outside the stage's bank that a table's bytes are written to.
struct ImagePlace {
    std::size_t offset;  // in the file
    const std::uint8_t* bytes;
    std::size_t size;
};

struct EditableTable {
    const char* name;
    // How its elements and their parts are named (changes, history step names).
    const TableLayout* layout;
    // Bytes of the table per stage; the editor holds the sixteen stages one after another.
    std::size_t stageSize;
    std::uint8_t* (*stageBytes)(EDITOR& editor, int stage);
    // Where the table lies in the stage's bank, and how its bytes turn into the bank's
    // and back. `bank` is the start of the stage's bank (at least kStageTablesSpan bytes);
    // `stage` is the table's stageSize bytes of one stage.
    std::span<const BankRun> runs;
    void (*toImage)(const std::uint8_t* stage, std::uint8_t* bank);
    void (*fromImage)(const std::uint8_t* bank, std::uint8_t* stage);
    // Set instead of the three above for a table that is not kept in the stage's bank:
    // the places of the image its bytes of one stage go to. The tiles are such a table:
    // they lie wherever the tile-loading lists name, often shared between stages, so
    // they are left out of what belongs to one stage (stage files).
    std::vector<ImagePlace> (*imagePlaces)(const EDITOR& editor, int stage) = nullptr;

    bool inStageBank() const { return imagePlaces == nullptr; }
};

// The editable tables, in the order of the block.
std::span<const EditableTable> editableTableList();

// One table's bytes of one stage, for reading.
const std::uint8_t* stageTableBytes(const EDITOR& editor, const EditableTable& table, int stage);

// The size of the block, or of the part that holds the first `tableCount` tables.
std::size_t editableTablesSize();
std::size_t editableTablesSize(std::size_t tableCount);
// The bytes of one stage's tables kept in its bank, in the order of the list.
std::size_t stageTablesSize();

// Copies the editor's tables into `out` (editableTablesSize() bytes), or back.
void copyEditableTables(const EDITOR& editor, std::span<std::uint8_t> out);
// A shorter block (of an earlier version, which had fewer tables) restores the tables it
// holds and leaves the rest as they are.
void restoreEditableTables(EDITOR& editor, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> editableTables(const EDITOR& editor);

// One stage's tables kept in its bank (stageTablesSize() bytes), or back.
void copyStageTables(const EDITOR& editor, int stage, std::span<std::uint8_t> out);
void restoreStageTables(EDITOR& editor, int stage, std::span<const std::uint8_t> bytes);

// Writes one stage's tables kept in its bank into the bank, or reads them from there into
// `stage` (stageTablesSize() bytes, in the order of copyStageTables).
void writeStageToBank(const EDITOR& editor, int stage, std::uint8_t* bank);
void readStageFromBank(const std::uint8_t* bank, std::span<std::uint8_t> stage);

// The places outside the stage banks that a save writes one stage's bytes to.
std::vector<ImagePlace> imagePlacesOfStage(const EDITOR& editor, int stage);

// The offset of the first byte at which the editor's tables differ from `known`, at
// or after `from`, or editableTablesSize() when they agree from there on.
std::size_t firstTableDifference(const EDITOR& editor, std::span<const std::uint8_t> known, std::size_t from = 0);

// The editor's byte that offset of the block stands for.
const std::uint8_t* editableTableByte(const EDITOR& editor, std::size_t offset);

// The stage a byte of the block belongs to.
int stageOfTableByte(std::size_t offset);
