#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// The 16-byte header of an NES cartridge image ("NES" and 0x1A), in the original form
// or in its 2.0 extension: what emulators and ROM lists tell images apart by.
struct CartridgeHeader {
    bool present = false;  // the file starts with the header's mark
    bool nes20 = false;    // the 2.0 form
    int mapper = 0;
    std::size_t prgBytes = 0;
    std::size_t chrBytes = 0;  // 0: the cartridge has character RAM instead
    enum class Mirroring { Horizontal, Vertical, FourScreen } mirroring = Mirroring::Horizontal;
    bool battery = false;
    bool trainer = false;  // 512 bytes between the header and the program data
};

inline constexpr std::size_t kCartridgeHeaderSize = 16;

CartridgeHeader readCartridgeHeader(std::span<const std::uint8_t> image);

// "horizontal", "vertical" or "four-screen", marked for translation in the context
// "cartridge_header".
const char* mirroringName(CartridgeHeader::Mirroring mirroring);
