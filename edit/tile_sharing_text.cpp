#include "edit/tile_sharing_text.h"

#include <cstdio>
#include <map>

namespace {

// Beyond this many tile numbers the rest are only counted.
constexpr std::size_t kNamedTiles = 3;

std::string hex(int value, int digits)
{
    char text[4];
    std::snprintf(text, sizeof text, "%0*X", digits, value & 0xFF);
    return text;
}

// "3 and 7", "1 to 5, 8 and C": runs of three or more stages as ranges.
std::string stageList(const std::vector<int>& stages)
{
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < stages.size();) {
        std::size_t end = i;
        while (end + 1 < stages.size() && stages[end + 1] == stages[end] + 1)
            ++end;
        if (end - i >= 2) {
            parts.push_back(hex(stages[i], 1) + " to " + hex(stages[end], 1));
        } else {
            for (std::size_t j = i; j <= end; ++j)
                parts.push_back(hex(stages[j], 1));
        }
        i = end + 1;
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    return text;
}

}  // namespace

std::string tileSharingText(const std::vector<TilePlace>& places, int currentStage)
{
    if (places.empty())
        return {};
    std::map<int, std::vector<int>> stagesByTile;
    for (const TilePlace& place : places)
        stagesByTile[place.tile].push_back(place.stage);
    std::string text = "Also ";
    std::size_t named = 0;
    std::size_t unnamed = 0;
    for (const auto& [tile, stages] : stagesByTile) {
        if (named == kNamedTiles) {
            unnamed += stages.size();
            continue;
        }
        text += (named++ == 0 ? "tile " : "; tile ") + hex(tile, 2) + " of ";
        if (stages.size() == 1 && stages[0] == currentStage)
            text += "this stage";
        else
            text += (stages.size() == 1 ? "stage " : "stages ") + stageList(stages);
    }
    if (unnamed > 0)
        text += "; and " + std::to_string(unnamed) + (unnamed == 1 ? " more place" : " more places");
    return text + ".";
}
