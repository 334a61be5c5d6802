#include "model/editor.h"

// Copies palette set k of every stage over that stage's current palette, selectors
// included, which also undoes any colours the animation had put there.
void EDITOR::selectPaletteSet(int k)
{
    if (k < 0 || k >= kPaletteSetCount)
        return;
    for (int s = 0; s < kStageCount; ++s)
        curPal[s] = palSet[s][k];
}
