#pragma once

// The window that F4 opens: the current tile large, or the 2 x 2 tiles of the current
// chip, to draw on with the four colours of a sub-palette. Left button draws (a stroke
// is one undo step), right button picks a colour, Shift+left fills; H and V flip, R
// turns a quarter turn, the arrows and the wheel go to the next tile or chip, 1 to 4
// choose the colour, C shows the tile or the chip. It names the other places that load
// the same bytes, and why a tile cannot be drawn. It does not block the editor; F4 or
// Escape closes it. It follows the stage, the current chip and the current tile.

class QWidget;

// The panel (see panels.h), made for the list of panels.
QWidget* makeTilePanel(QWidget* parent);
// Shows the editor's current stage, chip and tile again.
void followTilePanel(QWidget& panel);

// The open window and its drawing surface, or nullptr when it is closed.
QWidget* tileWindow();
QWidget* tileWindowCanvas();
