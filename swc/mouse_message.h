#pragma once

// The parameters of the platform's mouse messages, made from a Qt mouse event.

#include "swc/win32_types.h"

class QMouseEvent;

namespace swc {

// MK_ flags of the buttons and modifiers held during the event.
WPARAM mouseKeyFlags(const QMouseEvent& event);

// The event's point in the receiving widget's coordinates, packed as MAKELPARAM(x, y).
LPARAM clientPoint(const QMouseEvent& event);

// The event's point in screen coordinates, packed as MAKELPARAM(x, y).
LPARAM screenPoint(const QMouseEvent& event);

}  // namespace swc
