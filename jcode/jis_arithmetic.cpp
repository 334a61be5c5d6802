// EUC-JP and Shift_JIS encode the same JIS X 0208 grid of 94 x 94 characters, so the
// two convert into each other by arithmetic alone. Half-width katakana are one byte in
// Shift_JIS and 0x8E plus that byte in EUC-JP. JIS X 0212 has no Shift_JIS form.

#include <cstdint>

#include "jcode/conversions.h"
#include "jcode/text_end.h"

namespace jcode {

namespace {

bool inRange(std::uint8_t byte, int low, int high) { return byte >= low && byte <= high; }

bool isEucJpGridByte(std::uint8_t byte) { return inRange(byte, 0xA1, 0xFE); }
bool isHalfWidthKatakana(std::uint8_t byte) { return inRange(byte, 0xA1, 0xDF); }
bool isShiftJisLead(std::uint8_t byte) { return inRange(byte, 0x81, 0x9F) || inRange(byte, 0xE0, 0xEF); }
bool isShiftJisTrail(std::uint8_t byte) { return inRange(byte, 0x40, 0x7E) || inRange(byte, 0x80, 0xFC); }

// The JIS X 0208 character with EUC-JP bytes (lead, trail), both in 0xA1 to 0xFE.
void appendShiftJisOfGridPair(std::string& out, std::uint8_t lead, std::uint8_t trail)
{
    const int row = lead & 0x7F;   // 0x21 to 0x7E
    const int cell = trail & 0x7F;  // 0x21 to 0x7E
    // Two rows share one Shift_JIS lead byte; the odd row takes the lower trail bytes,
    // skipping 0x7F.
    const int sjisLead = row <= 0x5E ? (row + 225) / 2 : (row + 353) / 2;
    int sjisTrail;
    if (row % 2 == 0)
        sjisTrail = cell + 0x7E;
    else
        sjisTrail = cell >= 0x60 ? cell + 0x20 : cell + 0x1F;
    out += char(sjisLead);
    out += char(sjisTrail);
}

// The inverse of appendShiftJisOfGridPair for a Shift_JIS lead and trail byte.
void appendEucJpOfShiftJisPair(std::string& out, std::uint8_t lead, std::uint8_t trail)
{
    std::uint8_t row;
    if (lead >= 0xA0)
        row = std::uint8_t(2 * lead - (trail <= 0x9E ? 0x61 : 0x60));
    else
        row = std::uint8_t(2 * lead + (trail <= 0x9E ? 0x1F : 0x20));
    std::uint8_t cell;
    if (trail <= 0x7E)
        cell = std::uint8_t(trail - 0x1F);
    else if (trail <= 0x9E)
        cell = std::uint8_t(trail - 0x20);
    else
        cell = std::uint8_t(trail - 0x7E);
    out += char(row | 0x80);
    out += char(cell | 0x80);
}

}  // namespace

std::string eucJpToShiftJis(std::string_view eucJp)
{
    const std::string_view in = untilFirstZero(eucJp);
    std::string out;
    out.reserve(shiftJisBound(eucJp.size()));
    std::size_t i = 0;
    while (i < in.size()) {
        const std::uint8_t lead = in[i];
        if (lead < 0x80) {
            out += char(lead);
            ++i;
            continue;
        }
        if (i + 1 >= in.size())
            break;  // a lead byte with nothing after it
        const std::uint8_t trail = in[i + 1];
        if (lead == 0x8E) {
            if (isHalfWidthKatakana(trail))
                out += char(trail);
            i += 2;
        } else if (lead == 0x8F) {
            if (i + 2 >= in.size())
                break;  // JIS X 0212 needs two bytes after the 0x8F
            out += kReplacementShiftJis;
            i += 3;
        } else {
            if (isEucJpGridByte(lead) && isEucJpGridByte(trail))
                appendShiftJisOfGridPair(out, lead, trail);
            else
                out += kReplacementShiftJis;
            i += 2;
        }
    }
    return out;
}

std::string shiftJisToEucJp(std::string_view shiftJis)
{
    const std::string_view in = untilFirstZero(shiftJis);
    std::string out;
    out.reserve(eucJpFromShiftJisBound(shiftJis.size()));
    std::size_t i = 0;
    while (i < in.size()) {
        const std::uint8_t lead = in[i];
        if (lead < 0x80) {
            out += char(lead);
            ++i;
        } else if (isHalfWidthKatakana(lead)) {
            out += '\x8E';
            out += char(lead);
            ++i;
        } else {
            if (i + 1 >= in.size())
                break;  // a lead byte with nothing after it
            const std::uint8_t trail = in[i + 1];
            if (isShiftJisLead(lead) && isShiftJisTrail(trail))
                appendEucJpOfShiftJisPair(out, lead, trail);
            else
                out += kReplacementEucJp;
            i += 2;
        }
    }
    return out;
}

}  // namespace jcode
