#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/selection_frame.h"
#include "render/views.h"

// Composes the current view on the view surface and hands it to the application. A
// view index outside 0 to 4 draws and shows nothing.
void EDITOR::paint()
{
    switch (curTab) {
    case kViewMap: paintMapView(*this); break;
    case kViewObject: paintObjectView(*this); break;
    case kViewMapSet: paintMapSetView(*this); break;
    case kViewChipSet: paintChipSetView(*this); break;
    case kViewChip: paintChipView(*this); break;
    default: return;
    }
    drawSelectionFrame(*this);
    showComposedView(*this);
}

void showComposedView(EDITOR& editor)
{
    if (editor.curTab >= 0 && editor.curTab < kViewCount)
        editor.host().showView(editor.viewSurface, copiedRects(editor.curTab), leftOutRects(editor.curTab));
}
