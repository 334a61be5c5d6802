#pragma once

#include <optional>
#include <string>

#include "model/object_names.h"

// Where the editor's names of the objects' data values come from: a file named on the
// command line, else the file beside the image (the image's name with ".objects.json"
// after it) when there is one, else the file last loaded with "Load names..." when the
// settings keep one. Throws ObjectNamesError when that file is refused, and
// gives nothing when there is no names file.
std::optional<ObjectNames> startingObjectNames(const std::optional<std::string>& named, const std::string& imagePath);
