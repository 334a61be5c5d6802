#pragma once

#include <span>

#include "edit/commands.h"
#include "model/editor.h"

// The keys of the editor, as tables that both onKeyDown and the key reference read,
// so that what the reference says and what a key does cannot drift apart.
//
// With Ctrl held only the Ctrl table applies, the same in every view. Without it a
// key acts through the table of every view or, failing that, the table of the current
// view. The keys that switch view have no row in the view they would leave towards
// nothing: there is no view before "MAP" or after "CHIP". A row names a key and, where there is one, its twin that always does the same
// (H, J, K, L beside Left, Down, Up, Right; P and N beside Page Up and Page Down; D
// beside Space and S beside Enter, without Ctrl).

enum class ShiftUse {
    Either,   // acts alike with and without Shift
    Without,  // only while Shift is up
    With,     // only while Shift is held
};

struct KeyBinding {
    int key;   // Win32 virtual-key code
    int twin;  // another key that does the same, or 0
    ShiftUse shift;
    KeyAction action;  // nullptr for a key of a named command
    const char* does;  // for the key reference, marked TEXT_NOOP("key_tables", ...)
    // The views in which the row applies.
    int firstView = 0;
    int lastView = kViewCount - 1;
    // The id of the command the key gives, for the keys of commands that a menu also
    // shows or that the application runs.
    const char* command = nullptr;

    bool appliesIn(int view) const { return view >= firstView && view <= lastView; }

    bool matches(int view, int pressed, bool shiftHeld) const
    {
        if (!appliesIn(view) || (pressed != key && (twin == 0 || pressed != twin)))
            return false;
        return shift == ShiftUse::Either || (shift == ShiftUse::With) == shiftHeld;
    }
};

// Rows for more than one view; appliesIn says for which.
std::span<const KeyBinding> ctrlKeyTable();
std::span<const KeyBinding> everyViewKeyTable();
// The keys of view 0 ("MAP") to 4 ("CHIP") alone.
std::span<const KeyBinding> viewKeyTable(int view);

// The command a row names, or nullptr for a key of its own.
const Command* commandOf(const KeyBinding& binding);
// What the row does in the editor: its own action or its command's; nullptr when the
// application runs its command.
KeyAction actionOf(const KeyBinding& binding);

// The row that a key press selects in the given view, or nullptr when the key does
// nothing there.
const KeyBinding* findKeyBinding(int view, int key, bool ctrl, bool shift);
