#pragma once

#include "clipboard/copied_items.h"
#include "clipboard/selection_text.h"
#include "model/editor.h"

// Copying, cutting and pasting the items of the current view through the desktop's
// clipboard. A paste writes the same numbers into the current stage, which draws them
// with its own chips and tiles, so items carry across stages and images alike.

// Ctrl+C: the selection, or without one the current item ("MAP SET": the whole map
// set under the cursor).
void copyToClipboard(EDITOR& editor);
// Ctrl+X in "OBJECT": copies the selected objects (or the current one) and erases
// them, unless that would leave the list without objects.
void cutObjects(EDITOR& editor);
// Ctrl+V: pastes what the clipboard holds at the current item, or says why not.
void pasteFromClipboard(EDITOR& editor);

// Tells why what the clipboard holds cannot be pasted (its problem is not None).
void refusePaste(EDITOR& editor, const ReadSelection& read);

// The items of a selection of the current stage.
CopiedItems copyItems(const EDITOR& editor, const Selection& selection);
// Writes items at the current item of the current view, clipped at the edges of its
// map set, half sheet, sheet or pages, and selects what was written; objects are
// inserted after the current object. Refuses, changing nothing, items of another view
// and objects for which the list has no room.
void pasteItems(EDITOR& editor, const CopiedItems& items);
