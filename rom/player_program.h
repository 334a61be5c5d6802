#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A stage player inside an image: a console program that opens on the stage, page
// and palette set written right after its signature. It is found by the signature,
// wherever it lies, and runs from there to the end of the image.
inline constexpr std::string_view kPlayerSignature = "QUARRIX PLAYER 1";

struct PlayerStart {
    std::uint8_t stage = 0;
    std::uint8_t page = 0;
    std::uint8_t paletteSet = 0;
};

// The file offset of the player's signature, or none when the image holds no player.
std::optional<std::size_t> findPlayerProgram(std::span<const std::uint8_t> image);

// Writes where the player in image opens; an image without a player is left as it
// is. Returns whether there was one.
bool setPlayerStart(std::span<std::uint8_t> image, PlayerStart start);
