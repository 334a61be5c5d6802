#pragma once

class EDITOR;

// Each composes one view on the editor's view surface and draws its texts; paint()
// picks one by the current view and then shows the surface.
void paintMapView(EDITOR& editor);
void paintObjectView(EDITOR& editor);
void paintMapSetView(EDITOR& editor);
void paintChipSetView(EDITOR& editor);
void paintChipView(EDITOR& editor);

// Composes the current view on the view surface, its selection frame included, and
// shows nothing; false for a view index outside 0 to 4, which draws nothing.
bool composeView(EDITOR& editor);

// Hands the view surface as it is to the application, with the rectangles of the
// current view; a view index outside 0 to 4 shows nothing.
void showComposedView(EDITOR& editor);
