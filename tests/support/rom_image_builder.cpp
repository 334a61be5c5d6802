#include "support/rom_image_builder.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "rom/rom_layout.h"

namespace L = rom_layout;

namespace {

// The low and high pointer bytes that designate `target` inside `bank`.
std::pair<std::uint8_t, std::uint8_t> pointerTo(unsigned bank, std::size_t target)
{
    const std::size_t inBank = target - L::bankStart(bank);
    if (target < L::bankStart(bank) || inBank >= L::kBankSize)
        throw std::invalid_argument("pointer target outside its bank");
    return {std::uint8_t(inBank & 0xFF), std::uint8_t(inBank >> 8)};
}

}  // namespace

RomImageBuilder::RomImageBuilder() : bytes_(L::kStageTablesEnd, 0)
{
    for (int s = 0; s < kStageCount; ++s)
        setTileList(s, kDefaultTileList, {});
    setAnimation(0, kDefaultAnimation, 1, {0});
    for (int a = 1; a < kPaletteAnimationCount; ++a)
        setAnimationPointer(a, kDefaultAnimation);
}

RomImageBuilder& RomImageBuilder::put(std::size_t offset, std::span<const std::uint8_t> values)
{
    if (bytes_.size() < offset + values.size())
        bytes_.resize(offset + values.size(), 0);
    std::copy(values.begin(), values.end(), bytes_.begin() + std::ptrdiff_t(offset));
    return *this;
}

RomImageBuilder& RomImageBuilder::put(std::size_t offset, std::initializer_list<std::uint8_t> values)
{
    return put(offset, std::span(values.begin(), values.size()));
}

RomImageBuilder& RomImageBuilder::putStage(int stage, std::size_t tableOffset,
                                           std::initializer_list<std::uint8_t> values)
{
    return put(L::stageBase(stage) + tableOffset, values);
}

RomImageBuilder& RomImageBuilder::setTileListPointer(int stage, std::size_t listOffset)
{
    const auto [low, high] = pointerTo(L::kTileListBank, listOffset);
    put(L::kTileListPointerLow + std::size_t(stage), {low});
    return put(L::kTileListPointerHigh + std::size_t(stage), {high});
}

RomImageBuilder& RomImageBuilder::setTileList(int stage, std::size_t listOffset,
                                              std::initializer_list<TileListEntry> entries)
{
    setTileListPointer(stage, listOffset);
    std::size_t at = listOffset + L::kTileListSkipped;
    for (const TileListEntry& e : entries) {
        put(at, {e.bank, e.count, e.page, e.start});
        at += L::kTileListEntrySize;
    }
    return put(at, {L::kTileListEnd, 0, 0, 0});
}

RomImageBuilder& RomImageBuilder::setAnimationPointer(int animation, std::size_t recordOffset)
{
    const auto [low, high] = pointerTo(L::kAnimationBank, recordOffset);
    put(L::kAnimationPointerLow + std::size_t(animation), {low});
    return put(L::kAnimationPointerHigh + std::size_t(animation), {high});
}

RomImageBuilder& RomImageBuilder::setAnimation(int animation, std::size_t recordOffset, std::uint8_t delay,
                                               std::initializer_list<std::uint8_t> tripleNumbers)
{
    if (tripleNumbers.size() == 0 || tripleNumbers.size() > 256)
        throw std::invalid_argument("an animation has 1 to 256 frames");
    setAnimationPointer(animation, recordOffset);
    put(recordOffset, {std::uint8_t(tripleNumbers.size() - 1), delay});
    return put(recordOffset + 2, tripleNumbers);
}

RomImageBuilder& RomImageBuilder::setColourTriple(std::uint8_t number, ColourTriple colours)
{
    return put(L::colourTriple(number), colours);
}

RomImageBuilder& RomImageBuilder::truncate(std::size_t length)
{
    bytes_.resize(length);
    return *this;
}

void RomImageBuilder::writeTo(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes_.data()), std::streamsize(bytes_.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write test image " + path);
}
