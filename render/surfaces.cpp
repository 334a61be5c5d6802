#include "model/editor.h"

namespace {
constexpr int kViewWidth = 512;
constexpr int kViewHeight = 528;
constexpr int kChipSheetSize = 256;
constexpr int kChipSetSheetSize = 512;
} // namespace

// The surfaces are plain buffers, so no window is needed as a pixel-format reference.
// Scaled copies into the view never blend (Surface::stretch), which is the only stretch
// mode the views use.
void EDITOR::createSurfaces()
{
    viewSurface.create(kViewWidth, kViewHeight);
    viewSurface.fillAll(kWhite);
    chipSurface.create(kChipSheetSize, kChipSheetSize);
    chipSurface.fillAll(kWhite);
    chipSetSurface.create(kChipSetSheetSize, kChipSetSheetSize);
    chipSetSurface.fillAll(kWhite);
    chipSetCache_.valid = false;
}
