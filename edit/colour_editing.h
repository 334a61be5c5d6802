#pragma once

#include <cstdint>

#include "clipboard/copied_items.h"
#include "model/stage_records.h"

class EDITOR;

// Editing the four palette sets of the current stage, as the Colours window does: a
// cursor on one of a set's 20 bytes (the 16 colours, sub-palette by sub-palette, then
// the 4 animation selectors) and the changes made there. Every change is one step of
// the undo history; the views follow at the next frame.

inline constexpr int kColourSlots = 20;  // the bytes of one palette set
inline constexpr int kFirstSelectorSlot = 16;
inline constexpr int kConsoleColourCount = 64;
inline constexpr std::uint8_t kAnimatedBit = 0x80;
inline constexpr std::uint8_t kAnimationNumber = 0x3F;

struct ColourCursor {
    int set = 0;   // 0 to 3
    int slot = 0;  // 0 to 19: colour c of sub-palette p at 4p + c, selector of p at 16 + p
    // The first of two hexadecimal digits being typed, or -1.
    int typedDigit = -1;
    // Ctrl+A: copying takes the whole set instead of the cursor's sub-palette.
    bool wholeSet = false;
};

constexpr bool isSelectorSlot(int slot)
{
    return slot >= kFirstSelectorSlot;
}
constexpr int subPaletteOfSlot(int slot)
{
    return isSelectorSlot(slot) ? slot - kFirstSelectorSlot : slot / 4;
}

// The byte of the current stage's palette set that slot stands for.
std::uint8_t& paletteSlot(EDITOR& editor, int set, int slot);
std::uint8_t paletteSlot(const EDITOR& editor, int set, int slot);

// Whether the animation of its sub-palette shows other colours than the stored ones
// while it runs: colours 1 to 3 of a sub-palette whose selector has bit 7 set.
bool overriddenByAnimation(const PaletteRecord& set, int slot);

// Left/Right through the 20 slots of a set and Up/Down between the sets; the cursor
// stops at the edges. A move drops a half-typed number.
void moveColourCursor(ColourCursor& cursor, int slots, int sets);

// Sets the colour of a colour slot to a console colour (0 to 63), or the animation
// number of a selector, keeping its other bits. Returns whether anything changed.
bool setSlotColour(EDITOR& editor, const ColourCursor& cursor, int colour);

// + and -: a colour steps within 00 to 3F and wraps around; a selector steps its
// animation number the same way and keeps its other bits.
bool stepSlot(EDITOR& editor, const ColourCursor& cursor, int step);

// Space: turns the animation of the cursor's sub-palette on or off (bit 7 of its
// selector), keeping the animation number and the other bits.
bool toggleAnimation(EDITOR& editor, const ColourCursor& cursor);

// The cursor's sub-palette, or the whole set, as clipboard items.
CopiedItems subPaletteItems(const EDITOR& editor, const ColourCursor& cursor);

// A typed hexadecimal digit (0 to 15). The first is kept in the cursor; the second
// completes the number, which is set as setSlotColour sets it. A first digit above 3
// would make a number above 3F and is ignored.
bool typeHexDigit(EDITOR& editor, ColourCursor& cursor, int digit);

// Ctrl+C: the cursor's sub-palette, or the whole set, onto the clipboard as text.
void copySubPalettes(EDITOR& editor, const ColourCursor& cursor);
// Ctrl+V: sub-palettes from the clipboard into the cursor's set, from the cursor's
// sub-palette on (a whole set from sub-palette 0), as one step; anything else on the
// clipboard is refused with the reason. Returns whether anything changed.
bool pasteSubPalettes(EDITOR& editor, const ColourCursor& cursor);

// Replaces bytes [first, first + count) of the current stage's palette set with
// `bytes`, as one step. Returns whether anything changed.
bool replacePaletteBytes(EDITOR& editor, int set, int first, const std::uint8_t* bytes, int count);
