#pragma once

#include <span>

#include <QRegion>

#include "model/surface.h"

class QImage;

// The part of the view that reaches the editing area: the copied rectangles less the
// left-out ones, within both the view and the picture.
QRegion shownRegion(const Surface& view, const QImage& picture, std::span<const Rect> copied,
                    std::span<const Rect> leftOut);

// Copies region of view into picture at the same coordinates and returns the part
// whose pixels actually changed, so that an unchanged frame costs no repaint. picture
// must be a 32-bit RGB image.
QRegion copyChangedPixels(const Surface& view, QImage& picture, const QRegion& region);
