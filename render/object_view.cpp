#include "model/editor.h"
#include "render/object_marker.h"
#include "render/view_drawing.h"
#include "render/views.h"

// Markers of the objects on the two pages shown, later slots over earlier ones, then
// the information panel. The panel shows the selected object's values even when its
// page is not shown.
void EDITOR::drawObjects()
{
    const int selected = curObject & (kObjectSlots - 1);
    for (int h = 0; h < 2; ++h) {
        for (int i = 0; i < kObjectSlots; ++i) {
            const ObjectRecord& record = object[curStage][i];
            if (record.page == viewPos + h)
                drawObjectMarker(*this, viewSurface, kPagePixels * h, record, i == selected);
        }
    }

    const ObjectRecord& current = object[curStage][selected];
    drawViewHex(*this, 88, 280, "ID:", unsigned(selected), 2);
    drawViewHex(*this, 88, 304, "Page:", current.page, 2);
    drawViewHex(*this, 88, 328, "X:", current.x, 2);
    drawViewHex(*this, 88, 352, "Y:", current.y, 2);
    drawViewHex(*this, 88, 376, "Data:", current.data, 2);
    // The user's name of the data value, only when they have given names: without a
    // names file the panel is as it always was.
    if (objectNames.loaded) {
        const std::string* name = objectNames.find(curStage, current.data);
        drawViewText(*this, 88, 400, "Name: " + (name ? *name : std::string("-")));
    }
}

void paintObjectView(EDITOR& editor)
{
    editor.drawMapPages();
    editor.drawObjects();
}
