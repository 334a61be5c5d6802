#pragma once

#include <cstdint>
#include <span>

#include "model/change_marks.h"

// Marks every part of every table that differs between the two blocks.
void markChanges(ChangeMarks& marks, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);
