#pragma once

#include <array>

#include "model/surface.h"

// The console's 64 display colours, held four times over so that any colour index
// byte selects colour (index mod 64) without masking: 0x41 looks like 0x01 and 0xFF
// like 0x3F.
extern const std::array<Colour, 256> colourTable;
