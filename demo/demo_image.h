#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A complete ROM image made up from scratch, for trying the editor without a game:
// sixteen stages of drawn tiles, chips, chip sets, walkable map sets, pages, objects,
// four palette sets each with water or lava that animates, the shared palette
// animations and their colour triples. The same bytes every time.
std::vector<std::uint8_t> makeDemoImage();

// Writes makeDemoImage() to `path`, replacing the file atomically, unless the file
// holds those bytes already. Throws StreamError
// with the same texts as saving.
void writeDemoImage(const std::string& path);
