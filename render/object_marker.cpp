#include "render/object_marker.h"

#include <algorithm>

#include "model/editor.h"
#include "render/frame_rect.h"
#include "render/view_drawing.h"

namespace {

constexpr Colour kRed = rgb(0xFF, 0x00, 0x00);
constexpr Colour kGreen = rgb(0x00, 0xFF, 0x00);
constexpr Colour kBlue = rgb(0x00, 0x00, 0xFF);

// A frame of size x size centred on (x, y).
void frameAround(Surface& target, int x, int y, int size, Colour colour)
{
    frameRect(target, x - size / 2, y - size / 2, size, size, colour);
}

}  // namespace

void drawObjectMarker(EDITOR& editor, Surface& target, int pageLeft, const ObjectRecord& record, bool selected)
{
    const int x = pageLeft + record.x;
    const int y = markerCentreY(record.y);
    frameAround(target, x, y, 32, kWhite);
    if (selected) {
        frameAround(target, x, y, 48, kRed);
        frameAround(target, x, y, 64, kGreen);
        frameAround(target, x, y, 80, kBlue);
    }
    editor.host().drawText(target, x - 8, y - 8, hexText("", record.data, 2));
}

int markerCentreY(std::uint8_t y)
{
    return std::clamp(int(y), 8, 248);
}
