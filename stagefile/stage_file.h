#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "stagefile/stage_data.h"

// Stage files: one stage's editable tables as JSON that a person can read and that
// diffs well line by line, one row of a table on each line. docs/stage-file.md
// describes the format.

// Version 2 added the palette sets; files of version 1 are still read.
inline constexpr int kStageFileVersion = 2;

// Why a stage file cannot be read, naming the first fault (the table and the index).
class StageFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stage file of data, which came from stage `stage` (recorded, for the reader).
std::string writeStageFile(const StageData& data, int stage);

// The tables a stage file holds; a file of version 1 has no palette sets and keeps
// those of `before`. Throws StageFileError when the text is not JSON, not a stage file,
// of another version, or holds a table of the wrong length or a number out of range.
StageData readStageFile(std::string_view text, const StageData& before = {});
