#include "changes/step_name.h"
#include "model/editor.h"
#include "model/view_geometry.h"

// The editor's operations are defined in the folder of the subsystem each belongs to,
// and its table of virtual operations names all of them. That table is emitted with
// the first operation, createSurfaces, so the constructor and createSurfaces live here,
// above every folder, and no folder below has to know the ones beside it.

EDITOR::EDITOR()
{
    setHost(nullptr);
    history.setStepNamer(&stepName);
}

EDITOR::~EDITOR() = default;

// The surfaces are plain buffers, so no window is needed as a pixel-format reference.
// Scaled copies into the view never blend (Surface::stretch), which is the only stretch
// mode the views use.
void EDITOR::createSurfaces()
{
    viewSurface.create(kViewWidth, kViewHeight, kWhite);
    chipSurface.create(kChipSheetPixels, kChipSheetPixels, kWhite);
    chipSetSurface.create(kChipSetSheetPixels, kChipSetSheetPixels, kWhite);
    chipSetCache_.valid = false;
}
