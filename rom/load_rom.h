#pragma once

#include <cstdint>
#include <span>

class EDITOR;

// EDITOR::loadRom on an image already in memory: every table of every stage from
// `image`, or, when a read would go past its end, "not enough data in stream" and the
// editor exactly as it was.
void loadRomImage(EDITOR& editor, std::span<const std::uint8_t> image);
