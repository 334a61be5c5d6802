#pragma once

// Win32 virtual-key codes of the keys and mouse buttons the editor reacts to. The
// editor speaks these codes whatever the toolkit; the application translates its own
// key and button identifiers into them before calling onKeyDown or answering
// EditorHost::isKeyDown.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;  // Page Up
inline constexpr int VK_NEXT = 0x22;   // Page Down
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F2 = 0x71;
inline constexpr int VK_F3 = 0x72;
inline constexpr int VK_F4 = 0x73;
inline constexpr int VK_F5 = 0x74;
inline constexpr int VK_F6 = 0x75;
inline constexpr int VK_NUMPAD0 = 0x60;
inline constexpr int VK_ADD = 0x6B;       // + on the number pad
inline constexpr int VK_SUBTRACT = 0x6D;  // - on the number pad
inline constexpr int VK_OEM_PLUS = 0xBB;  // the = key, + with Shift
inline constexpr int VK_OEM_MINUS = 0xBD;
inline constexpr int VK_F7 = 0x76;
inline constexpr int VK_F8 = 0x77;
inline constexpr int VK_F9 = 0x78;

// Letter keys need no constant: their code is the upper-case character ('A' is
// 0x41), so the tables compare with character literals.
