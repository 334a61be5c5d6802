#pragma once

#include <string>
#include <string_view>

#include "clipboard/copied_items.h"

// Copied items as the text that travels on the clipboard, both as the editor's own
// type and as plain text: a person can read it, post it, and paste it back.
//
//     Quarrix Editor selection 1
//     MAP SET 3x2
//     1A 1B 1C
//     20 21 22
//
// The first line names the format and its version, the second the view and the size
// (columns x rows), then one line per row. An item is its bytes in hexadecimal, joined
// by colons when it has several; an object's page distance is a signed decimal number.
// Tiles are the exception: their rows are rows of pixels, one digit (0 to 3) each,
//
//     Quarrix Editor selection 1
//     TILES 2x1
//     0000111122223333
//     ...                 (8 lines per row of tiles)

inline constexpr std::string_view kSelectionMimeType = "application/x-quarrix-editor-selection";
inline constexpr int kSelectionTextVersion = 1;

std::string selectionText(const CopiedItems& items);

enum class SelectionTextProblem {
    None,
    NotOurs,       // not a selection of this editor at all
    NewerVersion,  // made by a later version of the format
    Damaged,       // ours, but cut short or changed
};

struct ReadSelection {
    SelectionTextProblem problem = SelectionTextProblem::None;
    std::string detail;  // for Damaged: what is wrong, and where
    CopiedItems items;   // when problem is None
};

// Reads a text that selectionText made; anything else is refused with its reason.
// Every size and value is checked against the view's grid and the tables' ranges,
// so what it returns can be pasted as it is.
ReadSelection readSelectionText(std::string_view text);
