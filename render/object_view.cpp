#include <algorithm>

#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/view_drawing.h"
#include "render/views.h"

namespace {

constexpr Colour kRed = rgb(0xFF, 0x00, 0x00);
constexpr Colour kGreen = rgb(0x00, 0xFF, 0x00);
constexpr Colour kBlue = rgb(0x00, 0x00, 0xFF);

// A frame of size x size centred on (x, y).
void frameAround(Surface& view, int x, int y, int size, Colour colour)
{
    frameRect(view, x - size / 2, y - size / 2, size, size, colour);
}

} // namespace

// Markers of the objects on the two pages shown, later slots over earlier ones, then
// the information panel. A marker's y is kept between 8 and 248 so that an object at
// the very top or bottom of a page stays visible; x is not limited, so a marker at a
// half's right edge is cut. The panel shows the selected object's values even when
// its page is not shown.
void EDITOR::drawObjects()
{
    const int selected = curObject & (kObjectSlots - 1);
    for (int h = 0; h < 2; ++h) {
        for (int i = 0; i < kObjectSlots; ++i) {
            const ObjectRecord& record = object[curStage][i];
            if (record.page != viewPos + h)
                continue;
            const int x = kPagePixels * h + record.x;
            const int y = std::clamp(int(record.y), 8, 248);
            frameAround(viewSurface, x, y, 32, kWhite);
            if (i == selected) {
                frameAround(viewSurface, x, y, 48, kRed);
                frameAround(viewSurface, x, y, 64, kGreen);
                frameAround(viewSurface, x, y, 80, kBlue);
            }
            drawViewText(*this, x - 8, y - 8, hexText("", record.data, 2));
        }
    }

    const ObjectRecord& current = object[curStage][selected];
    drawViewText(*this, 88, 280, hexText("ID:", unsigned(selected), 2));
    drawViewText(*this, 88, 304, hexText("Page:", current.page, 2));
    drawViewText(*this, 88, 328, hexText("X:", current.x, 2));
    drawViewText(*this, 88, 352, hexText("Y:", current.y, 2));
    drawViewText(*this, 88, 376, hexText("Data:", current.data, 2));
}

void paintObjectView(EDITOR& editor)
{
    editor.drawMapPages();
    editor.drawObjects();
}
