#pragma once

#include <optional>
#include <string>

#include "model/object_names.h"

// Reads the starting names into the running editor. A refused file is reported once
// the window is up, and the editor goes on without names.
void useStartingObjectNames(const std::optional<std::string>& named, const std::string& imagePath);

// Puts names into use in the running editor. The panels show them once they follow
// the editor after the user's action (see user_input_follow_up.h).
void useObjectNames(ObjectNames names);
