#pragma once

// A window that shows its client area enlarged by a whole number: each of its pixels,
// and everything its child windows show, covers n x n pixels of the screen. Whatever
// the program gives or reads of such a window (the places and sizes of its children,
// its client size, the client point of a mouse message, the parts to repaint) stays in
// unscaled units; this is the one place that turns them into the screen's and back.

#include <QPoint>
#include <QRect>
#include <QRegion>

class QWidget;

namespace swc {

// 1 for a window shown as it is.
int windowScale(const QWidget* window);

// Enlarges window's client area by scale (1 to 8), and resizes and moves its children
// with it. The window's own place and size in its parent are the caller's to set.
void setWindowScale(QWidget* window, int scale);

// A child's place as the program gave it, in its parent's unscaled units; kept so that
// a change of scale can place it again.
void placeChild(QWidget* child, const QRect& unscaled);

// Between a scaled window's unscaled client units and its widget's pixels. A point
// inside an enlarged pixel belongs to that pixel.
QRect toScreen(const QWidget* window, const QRect& unscaled);
QRegion toScreen(const QWidget* window, const QRegion& unscaled);
QPoint fromScreen(const QWidget* window, const QPoint& scaled);
QRect fromScreen(const QWidget* window, const QRect& scaled);

}  // namespace swc
