#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/surface.h"

// The console's 64 display colours, held four times over so that any colour index
// byte selects colour (index mod 64) without masking: 0x41 looks like 0x01 and 0xFF
// like 0x3F. Every view, export and the Colours window draw with it.
extern const std::array<Colour, 256>& colourTable;

// Draws with other colours for the rest of the run, such as an emulator's.
void useConsoleColours(const std::array<Colour, 64>& colours);

// The colours of a palette file in the format emulators use: 64 colours of red, green
// and blue bytes (192 bytes), or 1,536 bytes of which the first 192 are those colours.
// Throws std::runtime_error saying what is wrong for any other size.
std::array<Colour, 64> paletteFileColours(std::span<const std::uint8_t> bytes);

// The colours drawn with now (the first 64 of colourTable) as a palette file: red,
// green and blue bytes of each, 192 in all, as emulators read them.
std::array<std::uint8_t, 192> paletteFileBytes();
