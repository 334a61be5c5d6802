#include "model/editor.h"
#include "render/view_drawing.h"

// The two pages from the view position on, side by side. A page number past the
// stage's end, or a page naming map set 32 or more, leaves its half black.
void EDITOR::drawMapPages()
{
    viewSurface.fillAll(kBlack);
    for (int h = 0; h < 2; ++h) {
        const int page = viewPos + h;
        if (page < 0 || page >= kPageCount)
            continue;
        const int m = pageSet[curStage][page];
        if (m >= kMapSetCount)
            continue;
        drawMapSetHalf(*this, m, 256 * h);
    }
}
