#include "render/frame_rect.h"

void frameRect(Surface& surface, int left, int top, int width, int height, Colour colour)
{
    // The four lines as one-pixel fills; Surface::fill clips each to the surface.
    surface.fill({left, top, width, 1}, colour);
    surface.fill({left, top + height, width, 1}, colour);
    surface.fill({left, top, 1, height}, colour);
    surface.fill({left + width, top, 1, height}, colour);
}

void fillRect(Surface& surface, int left, int top, int width, int height, Colour colour)
{
    surface.fill({left, top, width, height}, colour);
}
