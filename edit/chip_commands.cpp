// Stepping the sub-palette and the style of the selected chip.
#include "edit/chip_quadrants.h"
#include "model/editor.h"

namespace {

constexpr int kSubPaletteMask = 3;
// The style holds the upper six bits of the attribute byte; a step moves its upper
// four bits, so bits 0 and 1 stay clear.
constexpr int kStyleStep = 16;

}  // namespace

void EDITOR::stepChipPalette(int step)
{
    ChipRecord& selected = chip[curStage][curChip];
    selected.palette = static_cast<std::uint8_t>((selected.palette + step) & kSubPaletteMask);
    for (int quadrant = 0; quadrant < 4; ++quadrant)
        redrawChipQuadrant(*this, quadrant);
}

void EDITOR::stepChipStyle(int step)
{
    ChipRecord& selected = chip[curStage][curChip];
    selected.style = static_cast<std::uint8_t>(selected.style + kStyleStep * step);
}
