#pragma once

#include <string>
#include <vector>

#include "edit/tile_editing.h"

// How the tile window names the other places that load a tile's bytes, compactly even
// when there are many: "Also tile 45 of stages 3 and 7; tile 12 of this stage." Tiles
// and stages are in hexadecimal, as everywhere in the editor. "" when there are none.
std::string tileSharingText(const std::vector<TilePlace>& places, int currentStage);
