#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "model/object_names.h"

// Names files: the user's names of the objects' data values, shared as JSON.
//
//   {"version": 1, "title": "...",
//    "names": {"23": "walking enemy", ...},
//    "stage": {"3": {"23": "...", ...}, ...}}
//
// Keys of names are data values as two hexadecimal digits; keys of stage are stages,
// 0 to 15 or their digit 0 to F. docs/object-names.md describes the format.

inline constexpr int kObjectNamesVersion = 1;

// Why a names file cannot be used, naming the first fault.
class ObjectNamesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The names the text holds (loaded set, file left empty). Throws ObjectNamesError when
// the text is not JSON, not of this version, has a key that is not a data value or a
// stage, or a name that is not a line of text.
ObjectNames readObjectNames(std::string_view text);

// The names file at path. Throws ObjectNamesError, naming the file, when it cannot be
// read or is refused.
ObjectNames loadObjectNamesFile(const std::string& path);

// Where the names of the image at imagePath are looked for when none are named: beside
// the image, with its whole name and ".objects.json" after it.
std::string objectNamesBesideImage(const std::string& imagePath);
