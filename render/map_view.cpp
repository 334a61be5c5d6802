#include "model/editor.h"
#include "render/view_drawing.h"
#include "render/views.h"

void paintMapView(EDITOR& editor)
{
    editor.drawMapPages();
    for (int h = 0; h < 2; ++h) {
        const int x = 64 + kPagePixels * h;
        const int page = editor.viewPos + h;
        // The map-set number shows even when it is 32 or more and the half is black.
        if (page >= 0 && page < kPageCount)
            drawViewHex(editor, x, 328, "Set:", editor.pageSet[editor.curStage][page], 2);
        else
            drawViewText(editor, x, 328, "Set:--");
        drawViewHex(editor, x, 276, "Page:", unsigned(page), 2);
    }
}
