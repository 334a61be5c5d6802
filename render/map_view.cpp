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
        const std::string setText = page >= 0 && page < kPageCount
            ? hexText("Set:", editor.pageSet[editor.curStage][page], 2)
            : std::string("Set:--");
        drawViewText(editor, x, 328, setText);
        drawViewText(editor, x, 276, hexText("Page:", unsigned(page), 2));
    }
}
