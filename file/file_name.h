#pragma once

#include <string>

// The last part of a path: the file's own name.
std::string fileNameOf(const std::string& path);
