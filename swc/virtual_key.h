#pragma once

// Translation of Qt key events into the platform's keyboard message parameters.

#include "swc/win32_types.h"

class QKeyEvent;

namespace swc {

// The virtual-key code of a Qt key, 0 when the key has none. keypad selects the
// number-pad codes for digits and operators.
int virtualKeyFromQtKey(int qtKey, bool keypad);

// The virtual-key code of a key event (0 when it has none).
int virtualKeyOf(const QKeyEvent& event);

// The key data of WM_KEYDOWN: repeat count 1 in the low word, and bit 30 (the key was
// already down) for an auto-repeated press.
LPARAM keyDataOf(const QKeyEvent& event);

}  // namespace swc
