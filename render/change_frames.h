#pragma once

class EDITOR;

// With Show Changes on, frames each page, map-set cell, chip set, chip, tile, object and
// palette swatch of the current view that differs from the image compared with, in a
// colour that no console colour is. Draws nothing when it is off.
void drawChangeFrames(EDITOR& editor);
