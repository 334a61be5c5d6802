#pragma once

#include <cstdint>
#include <span>

// The stage player (demo/nes/): a console program that shows a stage of the image it
// is in, as the MAP view draws it, and scrolls through it with the d-pad. Its bytes
// end with the console's vectors, so it goes at the very end of the image; its first
// bytes are playerSignature (rom/player_program.h) and the place to open on.
std::span<const std::uint8_t> stagePlayerProgram();
