#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class EDITOR;

// The tables that saving writes (page sets, map sets, chip sets, chips, objects of all
// sixteen stages), seen as one block of bytes. Undo, redo and the recovery of unsaved
// work compare and restore this block, so whatever an edit changes, through whatever
// path, they see it without any code of their own in the commands.

// The size of the block.
std::size_t editableTablesSize();

// Copies the editor's tables into `out` (editableTablesSize() bytes), or back.
void copyEditableTables(const EDITOR& editor, std::span<std::uint8_t> out);
void restoreEditableTables(EDITOR& editor, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> editableTables(const EDITOR& editor);

// The offset of the first byte at which the editor's tables differ from `known`, at
// or after `from`, or editableTablesSize() when they agree from there on.
std::size_t firstTableDifference(const EDITOR& editor, std::span<const std::uint8_t> known, std::size_t from = 0);

// The editor's byte that offset of the block stands for.
const std::uint8_t* editableTableByte(const EDITOR& editor, std::size_t offset);

// The stage a byte of the block belongs to.
int stageOfTableByte(std::size_t offset);
