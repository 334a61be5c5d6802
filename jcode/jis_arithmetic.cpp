// EUC-JP and Shift_JIS encode the same JIS X 0208 grid of 94 x 94 characters, so the
// two convert into each other by arithmetic alone. Half-width katakana are one byte in
// Shift_JIS and 0x8E plus that byte in EUC-JP. JIS X 0212 has no Shift_JIS form.

#include <cstdint>

#include "jcode/characters.h"
#include "jcode/conversions.h"
#include "jcode/text_end.h"

namespace jcode {

namespace {

// The JIS X 0208 character with EUC-JP bytes (lead, trail), both in 0xA1 to 0xFE.
void appendShiftJisOfGridPair(std::string& out, std::uint8_t lead, std::uint8_t trail)
{
    const int row = lead & 0x7F;    // 0x21 to 0x7E
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
    forEachCharacter(in, eucJpLength, [&](std::string_view c) {
        const std::uint8_t lead = c[0];
        if (c.size() == 1) {
            out += char(lead);
            return true;
        }
        const std::uint8_t trail = c[1];
        if (lead == 0x8E) {
            if (isHalfWidthKatakana(trail))
                out += char(trail);
        } else if (lead == 0x8F) {
            out += kReplacementShiftJis;  // JIS X 0212 has no Shift_JIS form
        } else if (isEucJpGridByte(lead) && isEucJpGridByte(trail)) {
            appendShiftJisOfGridPair(out, lead, trail);
        } else {
            out += kReplacementShiftJis;
        }
        return true;
    });
    return out;
}

std::string shiftJisToEucJp(std::string_view shiftJis)
{
    const std::string_view in = untilFirstZero(shiftJis);
    std::string out;
    out.reserve(eucJpFromShiftJisBound(shiftJis.size()));
    const auto lengthOf = [](std::uint8_t lead) { return lead < 0x80 || isHalfWidthKatakana(lead) ? 1u : 2u; };
    forEachCharacter(in, lengthOf, [&](std::string_view c) {
        const std::uint8_t lead = c[0];
        if (lead < 0x80) {
            out += char(lead);
        } else if (c.size() == 1) {
            out += '\x8E';
            out += char(lead);
        } else if (isShiftJisLead(lead) && isShiftJisTrail(std::uint8_t(c[1]))) {
            appendEucJpOfShiftJisPair(out, lead, std::uint8_t(c[1]));
        } else {
            out += kReplacementEucJp;
        }
        return true;
    });
    return out;
}

}  // namespace jcode
