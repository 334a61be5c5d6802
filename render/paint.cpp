#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/change_frames.h"
#include "render/selection_frame.h"
#include "render/views.h"

// Composes the current view on the view surface and hands it to the application. A
// view index outside 0 to 4 draws and shows nothing.
void EDITOR::paint()
{
    if (composeView(*this))
        showComposedView(*this);
}

bool composeView(EDITOR& editor)
{
    switch (editor.curTab) {
    case kViewMap: paintMapView(editor); break;
    case kViewObject: paintObjectView(editor); break;
    case kViewMapSet: paintMapSetView(editor); break;
    case kViewChipSet: paintChipSetView(editor); break;
    case kViewChip: paintChipView(editor); break;
    default: return false;
    }
    drawSelectionFrame(editor);
    drawChangeFrames(editor);
    return true;
}

void showComposedView(EDITOR& editor)
{
    if (editor.curTab >= 0 && editor.curTab < kViewCount)
        editor.host().showView(editor.viewSurface, copiedRects(editor.curTab), leftOutRects(editor.curTab));
}
