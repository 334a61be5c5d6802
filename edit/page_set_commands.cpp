// Stepping the map set that a page of the current stage shows.
#include "model/editor.h"

namespace {

// Page entries name map sets 0 to 31; the low five bits of the sum are kept, so a
// stored value of 32 or more (which shows a black page) also becomes a valid one.
constexpr int kMapSetNumberMask = kMapSetCount - 1;

}  // namespace

void EDITOR::stepPageSet(int pos, int step)
{
    const int page = viewPos + pos;
    // The scroll range keeps viewPos + 1 within the stage; this guards the table
    // against a caller that does not.
    if (page < 0 || page >= kPageCount)
        return;
    std::uint8_t& entry = pageSet[curStage][page];
    entry = static_cast<std::uint8_t>((entry + step) & kMapSetNumberMask);
}
