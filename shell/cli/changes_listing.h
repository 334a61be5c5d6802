#pragma once

#include <string>

// The changes of the image at imagePath against the original at originalPath, one item a
// line, or with json a JSON array of objects (stage, table, place, old, new, count).
// Throws std::runtime_error saying why when either image cannot be used.
std::string listChanges(const std::string& imagePath, const std::string& originalPath, bool json);
