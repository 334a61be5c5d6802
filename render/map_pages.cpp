#include "model/editor.h"
#include "render/view_drawing.h"

// The two pages from the view position on, side by side, over a black view. A page
// number past the stage's end, or a page naming map set 32 or more, leaves its half
// black.
void EDITOR::drawMapPages()
{
    clearViewAround(*this, {kBelowUpperArea});
    for (int h = 0; h < 2; ++h) {
        const int page = viewPos + h;
        const int m = page >= 0 && page < kPageCount ? pageSet[curStage][page] : kMapSetCount;
        if (m < kMapSetCount)
            drawMapSetHalf(*this, m, kPagePixels * h);
        else
            viewSurface.fill({kPagePixels * h, 0, kPagePixels, kPagePixels}, kBlack);
    }
}
