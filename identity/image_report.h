#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/stage_records.h"

class EDITOR;
struct TileSources;

// What --info says about an image: its size and header, the checksums that ROM lists
// and patches name it by, whether the stage tables load, and how its tables differ
// from an original.

struct ImageForReport {
    std::string name;  // as the user gave it
    std::span<const std::uint8_t> bytes;
    const EDITOR* tables = nullptr;  // the stage tables loaded from it, or null
    std::string loadError;           // why they did not load, when tables is null
};

struct OriginalForReport {
    std::string name;
    std::span<const std::uint8_t> bytes;
    std::string knownFrom;  // how the original became known, for the user
};

// The report, a few lines, each ending in a newline.
std::string imageReport(const ImageForReport& image, const std::optional<OriginalForReport>& original);

// How many bytes of each stage's editable tables (those a Save writes) differ between
// the two images; a byte that only one of them has counts as different. With `tiles`
// (where the image's tiles are loaded from), the stage's tile sources count too.
std::array<std::size_t, kStageCount> stageTableDifferences(std::span<const std::uint8_t> image,
                                                           std::span<const std::uint8_t> original,
                                                           const TileSources* tiles = nullptr);

// The SHA-1 of bytes, in 40 lower-case hexadecimal digits.
std::string sha1Hex(std::span<const std::uint8_t> bytes);
