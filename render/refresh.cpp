#include "model/editor.h"

// Brings the animated chips, the chip sets and the current view up to date and shows
// the view at once instead of waiting for the platform to ask for a repaint.
void EDITOR::refresh(int ticks)
{
    host().invalidateView();
    stepPaletteAnimations(ticks);
    drawAnimatedChips();
    drawChipSets();
    paint();
}
