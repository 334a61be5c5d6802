#pragma once

// How large the editing area is shown: 1x to 4x, each view pixel a block of n x n
// screen pixels. The main window grows to fit, as far as its screen allows; beyond
// that the client area scrolls. The top row of controls stays as it is.

inline constexpr int kSmallestZoom = 1;
inline constexpr int kLargestZoom = 4;

int currentZoom();

// Shows the editing area at zoom (kept within 1 and 4) and fits the main window to
// it. Returns the zoom set.
int setZoom(int zoom);

// The largest zoom at which the main window fits on its screen whole, at least 1:
// the zoom of the first start.
int largestZoomThatFits();

void zoomIn();
void zoomOut();
void zoomToActualSize();
