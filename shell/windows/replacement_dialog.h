#pragma once

#include <optional>
#include <string_view>

class QWidget;

// The Ctrl+H question: prompt, a field of two hexadecimal digits that holds suggested
// at first, and the buttons "Replace" and "Cancel". "Replace" takes only a number from
// 0 to highest. Modal to owner; the number chosen, or nothing on Cancel or Escape.
std::optional<int> askReplacementNumber(QWidget* owner, std::string_view prompt, int suggested, int highest);
