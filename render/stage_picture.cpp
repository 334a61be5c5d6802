#include "render/stage_picture.h"

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/object_marker.h"

void showFirstFrame(EDITOR& editor, int stage, int paletteSet)
{
    if (!editor.viewSurface.isCreated())
        editor.createSurfaces();
    // The animations are shared by all stages: without starting them over, a stage's
    // colours would depend on which stages were drawn before it.
    for (PaletteAnimation& animation : editor.palAnim) {
        animation.counter = 0;
        animation.frame = 0;
    }
    editor.curStage = stage;
    editor.curPalSet = paletteSet;
    editor.selectPaletteSet(paletteSet);
    editor.curTab = kViewMap;
    editor.viewPos = 0;
    editor.drawChips();
    // The frame clock's first tick.
    editor.refresh(1);
}

Surface stagePicture(EDITOR& editor, bool withObjects)
{
    Surface picture(kPageCount * kPagePixels, kPagePixels);
    const int shownPage = editor.viewPos;
    // The map pages come two at a time, as the view shows them.
    for (int first = 0; first < kPageCount; first += 2) {
        editor.viewPos = first;
        editor.drawMapPages();
        picture.copy(editor.viewSurface, 0, 0, 2 * kPagePixels, kPagePixels, first * kPagePixels, 0);
    }
    editor.viewPos = shownPage;
    if (!withObjects)
        return picture;
    // Page by page, so that where markers of neighbouring pages overlap, the later
    // page lies on top, as in the view.
    for (int page = 0; page < kPageCount; ++page)
        for (const ObjectRecord& record : editor.object[editor.curStage])
            if (record.page == page)
                drawObjectMarker(editor, picture, page * kPagePixels, record, false);
    // Each marked object's name under its marker (over it near the bottom), drawn over
    // every marker so that no neighbour's frame hides it.
    constexpr int kLabelGap = 17;     // just outside the marker's frame of 32
    constexpr int kLabelHeight = 16;  // room for a line of the default font
    for (const ObjectRecord& record : editor.object[editor.curStage]) {
        const std::string* name = editor.objectNames.find(editor.curStage, record.data);
        if (!record.isUsed() || !name)
            continue;
        const int centreY = markerCentreY(record.y);
        const int below = centreY + kLabelGap;
        const int y = below + kLabelHeight <= kPagePixels ? below : centreY - kLabelGap - kLabelHeight;
        editor.host().drawText(picture, record.page * kPagePixels + record.x - 16, y, *name);
    }
    return picture;
}
