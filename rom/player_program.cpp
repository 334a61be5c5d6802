#include "rom/player_program.h"

#include <algorithm>

std::optional<std::size_t> findPlayerProgram(std::span<const std::uint8_t> image)
{
    const auto found = std::search(image.begin(), image.end(), kPlayerSignature.begin(), kPlayerSignature.end(),
                                   [](std::uint8_t byte, char c) { return byte == std::uint8_t(c); });
    if (found == image.end())
        return std::nullopt;
    return std::size_t(found - image.begin());
}

bool setPlayerStart(std::span<std::uint8_t> image, PlayerStart start)
{
    const std::optional<std::size_t> at = findPlayerProgram(image);
    const std::size_t place = at ? *at + kPlayerSignature.size() : 0;
    if (!at || place + 3 > image.size())
        return false;
    image[place] = start.stage;
    image[place + 1] = start.page;
    image[place + 2] = start.paletteSet;
    return true;
}
