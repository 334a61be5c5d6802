#pragma once

#include <string>

// Writes the built-in demo image into the user's data folder and names it.
std::string writeDemoRom();
