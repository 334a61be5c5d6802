#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The image the changes are counted against: its tables, read as loading reads them.

class EDITOR;

// The tables of the image whose bytes are `original`, loaded into `scratch` (an editor
// of the caller's, not the one being edited). Throws std::runtime_error saying why when
// it is not `imageSize` bytes (an original has its image's size) or its tables cannot
// be read.
std::vector<std::uint8_t> tablesOfOriginal(std::span<const std::uint8_t> original, std::size_t imageSize,
                                           EDITOR& scratch);

// The same for the image in the file at `path`, with the file's name in the reason.
std::vector<std::uint8_t> tablesOfOriginalFile(const std::string& path, std::size_t imageSize, EDITOR& scratch);
