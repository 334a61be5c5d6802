#pragma once

#include <cstdint>
#include <span>
#include <string>

class EDITOR;

// The name of an undo step: the first change it made, with the count of the others,
// after the label of the command that made it when that is known: "Paste · stage 3 ·
// map set 05 · 32 cells", "Stage 2 · page 11: map set 03 -> 04 and 2 more".
std::string stepName(const EDITOR& editor, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                     const std::string& label);

// The name of the step that puts back the edits kept for a crash, from the names of
// the steps that made them.
std::string restoredStepName(std::span<const std::string> keptNames, const std::string& ownName);
