#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "model/stage_records.h"

// Builds small ROM images for tests, byte by byte at the layout's offsets.
//
// A new builder holds the shortest image that loads: zero bytes up to the end of stage
// 15's tables, every stage's tile-loading list empty (a single end entry, at
// kDefaultTileList) and every palette animation one frame of colour triple 0 with a
// delay of 1 (the record at kDefaultAnimation). Everything else is zero, so a test
// only writes the bytes it is about.
//
//     RomImageBuilder image;
//     image.putStage(3, rom_layout::kPageTable, {0x25});
//     image.writeTo(path);
class RomImageBuilder {
public:
    // One entry of a tile-loading list: copy count x 16 tiles, from tile start x 16 on,
    // out of bank `bank` at page `page`.
    struct TileListEntry {
        std::uint8_t bank;
        std::uint8_t count;
        std::uint8_t page;
        std::uint8_t start;
    };

    static constexpr std::size_t kDefaultTileList = 0x51710;   // in bank 0x28
    static constexpr std::size_t kDefaultAnimation = 0x41E00;  // in bank 0x20

    RomImageBuilder();

    std::vector<std::uint8_t>& bytes() { return bytes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    // Writes bytes at a file offset, growing the image with zeros if needed.
    RomImageBuilder& put(std::size_t offset, std::span<const std::uint8_t> values);
    RomImageBuilder& put(std::size_t offset, std::initializer_list<std::uint8_t> values);
    // Writes bytes at stageBase(stage) + tableOffset.
    RomImageBuilder& putStage(int stage, std::size_t tableOffset, std::initializer_list<std::uint8_t> values);

    // Points stage's list pointer at listOffset (a file offset inside bank 0x28) and
    // writes the list there: 8 unread bytes, the entries and an end entry.
    RomImageBuilder& setTileList(int stage, std::size_t listOffset, std::initializer_list<TileListEntry> entries);
    // Points a stage's list pointer at listOffset without writing anything there.
    RomImageBuilder& setTileListPointer(int stage, std::size_t listOffset);

    // Writes animation a's record at recordOffset (inside bank 0x20) and points at it:
    // frame count - 1, delay, then one colour-triple number per frame.
    RomImageBuilder& setAnimation(int animation, std::size_t recordOffset, std::uint8_t delay,
                                  std::initializer_list<std::uint8_t> tripleNumbers);
    RomImageBuilder& setAnimationPointer(int animation, std::size_t recordOffset);
    RomImageBuilder& setColourTriple(std::uint8_t number, ColourTriple colours);

    RomImageBuilder& truncate(std::size_t length);

    // Writes the image to a file, replacing it.
    void writeTo(const std::string& path) const;

private:
    std::vector<std::uint8_t> bytes_;
};
