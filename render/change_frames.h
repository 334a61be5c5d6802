#pragma once

#include <vector>

#include "model/surface.h"

class EDITOR;

// With Show Changes on, frames each page, map-set cell, chip set, chip, tile, object and
// palette swatch of the current view that differs from the image compared with, in a
// colour that no console colour is. Draws nothing when it is off.
void drawChangeFrames(EDITOR& editor);

// The colour of those frames: one that no console colour is, so that it never blends in.
Colour changeFrameColour();

// The pages of the current stage that differ, with Show Changes on: those that name
// another map set, or show a map set with a changed cell. None when it is off.
std::vector<int> changedPages(const EDITOR& editor);
