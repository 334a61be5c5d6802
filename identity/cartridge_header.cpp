#include "identity/cartridge_header.h"

#include "text/translation.h"

namespace {

constexpr std::uint8_t kMark[] = {'N', 'E', 'S', 0x1A};
constexpr std::size_t kPrgUnit = 16 * 1024;
constexpr std::size_t kChrUnit = 8 * 1024;

// A 2.0 size: 12 bits of units, or, when the top four are all set, 2^exponent x
// (2 x multiplier + 1) bytes.
std::size_t nes20Size(std::uint8_t low, std::uint8_t highNibble, std::size_t unit)
{
    if (highNibble != 0x0F)
        return (std::size_t(highNibble) << 8 | low) * unit;
    const int exponent = low >> 2;
    const std::size_t multiplier = std::size_t(low & 3) * 2 + 1;
    return exponent >= 40 ? 0 : (std::size_t(1) << exponent) * multiplier;
}

}  // namespace

CartridgeHeader readCartridgeHeader(std::span<const std::uint8_t> image)
{
    CartridgeHeader header;
    if (image.size() < kCartridgeHeaderSize || !std::equal(std::begin(kMark), std::end(kMark), image.begin()))
        return header;
    header.present = true;
    const std::uint8_t flags6 = image[6];
    const std::uint8_t flags7 = image[7];
    header.nes20 = (flags7 & 0x0C) == 0x08;
    header.mapper = (flags6 >> 4) | (flags7 & 0xF0);
    header.mirroring = flags6 & 0x08 ? CartridgeHeader::Mirroring::FourScreen
        : flags6 & 0x01              ? CartridgeHeader::Mirroring::Vertical
                                     : CartridgeHeader::Mirroring::Horizontal;
    header.battery = flags6 & 0x02;
    header.trainer = flags6 & 0x04;
    if (header.nes20) {
        header.mapper |= (image[8] & 0x0F) << 8;
        header.prgBytes = nes20Size(image[4], image[9] & 0x0F, kPrgUnit);
        header.chrBytes = nes20Size(image[5], image[9] >> 4, kChrUnit);
    } else {
        header.prgBytes = image[4] * kPrgUnit;
        header.chrBytes = image[5] * kChrUnit;
    }
    return header;
}

const char* mirroringName(CartridgeHeader::Mirroring mirroring)
{
    switch (mirroring) {
    case CartridgeHeader::Mirroring::Horizontal: return TEXT_NOOP("cartridge_header", "horizontal");
    case CartridgeHeader::Mirroring::Vertical: return TEXT_NOOP("cartridge_header", "vertical");
    case CartridgeHeader::Mirroring::FourScreen: break;
    }
    return TEXT_NOOP("cartridge_header", "four-screen");
}
