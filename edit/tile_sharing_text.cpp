#include "edit/tile_sharing_text.h"

#include <cstdio>
#include <map>

#include "text/translation.h"

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
            parts.push_back(
                fillIn(translated("tile_sharing_text", "%1 to %2"), {hex(stages[i], 1), hex(stages[end], 1)}));
        } else {
            for (std::size_t j = i; j <= end; ++j)
                parts.push_back(hex(stages[j], 1));
        }
        i = end + 1;
    }
    std::string text = parts.empty() ? std::string() : parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        text = fillIn(i + 1 == parts.size() ? translated("tile_sharing_text", "%1 and %2")
                                            : translated("tile_sharing_text", "%1, %2"),
                      {text, parts[i]});
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
    std::string text;
    std::size_t named = 0;
    std::size_t unnamed = 0;
    for (const auto& [tile, stages] : stagesByTile) {
        if (named == kNamedTiles) {
            unnamed += stages.size();
            continue;
        }
        std::string place;
        if (stages.size() == 1 && stages[0] == currentStage)
            place = fillIn(translated("tile_sharing_text", "tile %1 of this stage"), {hex(tile, 2)});
        else if (stages.size() == 1)
            place = fillIn(translated("tile_sharing_text", "tile %1 of stage %2"), {hex(tile, 2), stageList(stages)});
        else
            place = fillIn(translated("tile_sharing_text", "tile %1 of stages %2"), {hex(tile, 2), stageList(stages)});
        text = named++ == 0 ? place : fillIn(translated("tile_sharing_text", "%1; %2"), {text, place});
    }
    if (unnamed == 1)
        text = fillIn(translated("tile_sharing_text", "%1; and 1 more place"), {text});
    else if (unnamed > 1)
        text = fillIn(translated("tile_sharing_text", "%1; and %2 more places"), {text, std::to_string(unnamed)});
    return fillIn(translated("tile_sharing_text", "Also %1."), {text});
}
