#pragma once

#include <vector>

#include "model/surface.h"

class EDITOR;

// The whole current stage at a glance: its 48 pages side by side, reduced so that a
// chip is chipPixels x chipPixels (1, 2, 4, 8 or 16, which is full size). Each pixel is the mean of
// the pixels of the chip-set sheet that "MAP" would show there; a page that names no
// map set is black. The sheet is read as the last frame left it.
inline constexpr int kLargestOverviewChip = 16;
int overviewWidth(int chipPixels);
int overviewHeight(int chipPixels);
// The largest chip size whose overview fits in width, at least 1.
int overviewChipPixels(int width);

struct OverviewOptions {
    int chipPixels = 1;
    bool withObjects = false;  // a white frame where "OBJECT" marks each used object
    // Pages framed as the ones in view: the two of "MAP" and "OBJECT", or those that
    // show a map set of "MAP SET".
    std::vector<int> framedPages;
    // Pages framed in the colour of Show Changes.
    std::vector<int> changedPages;
};
Surface stageOverview(const EDITOR& editor, const OverviewOptions& options);

// The pages that the current view shows: the two from the scroll position in "MAP" and
// "OBJECT", every page that shows one of the two map sets in "MAP SET", none else.
std::vector<int> pagesInView(const EDITOR& editor);

// The page under x of an overview, kept within the stage.
int overviewPageAt(int x, int chipPixels);
