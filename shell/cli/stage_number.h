#pragma once

#include <optional>
#include <string>

// A stage named on the command line: 0 to 15, or the one hexadecimal digit the editor
// shows it by (0 to F, in either case).
std::optional<int> parseStage(const std::string& text);
