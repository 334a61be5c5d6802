#pragma once

// The key and mouse-button state that GetKeyState reports, kept from the input events
// as the application delivers them. Reading it from the events rather than asking the
// platform makes it exact at the time a message is handled, synthetic events included.

namespace swc {

// Starts watching the application's input events; does nothing before a QApplication
// exists or when already watching.
void watchInput();

// Whether the key or mouse button with this virtual-key code is held.
bool isKeyHeld(int virtualKey);

}  // namespace swc
