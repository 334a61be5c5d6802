#include "edit/colour_editing.h"

#include <algorithm>

#include "clipboard/selection_text.h"
#include "edit/clipboard_commands.h"
#include "edit/refusal.h"
#include "model/editor.h"
#include "text/translation.h"

namespace {

std::uint8_t* setBytes(EDITOR& editor, int set)
{
    return reinterpret_cast<std::uint8_t*>(&editor.palSet[editor.curStage & 0x0F][set & 3]);
}

// Whatever came before is a step of its own; the change is the next.
bool changeSlot(EDITOR& editor, const ColourCursor& cursor, std::uint8_t value)
{
    std::uint8_t& byte = paletteSlot(editor, cursor.set, cursor.slot);
    if (byte == value)
        return false;
    editor.history.record(editor, false);
    byte = value;
    editor.history.record(editor, false);
    return true;
}

std::uint8_t withAnimationNumber(std::uint8_t selector, int number)
{
    return std::uint8_t((selector & ~kAnimationNumber) | (number & kAnimationNumber));
}

}  // namespace

std::uint8_t& paletteSlot(EDITOR& editor, int set, int slot)
{
    return setBytes(editor, set)[std::clamp(slot, 0, kColourSlots - 1)];
}

std::uint8_t paletteSlot(const EDITOR& editor, int set, int slot)
{
    return paletteSlot(const_cast<EDITOR&>(editor), set, slot);
}

bool overriddenByAnimation(const PaletteRecord& set, int slot)
{
    if (isSelectorSlot(slot) || slot % 4 == 0)
        return false;
    return (set.selector[subPaletteOfSlot(slot)] & kAnimatedBit) != 0;
}

void moveColourCursor(ColourCursor& cursor, int slots, int sets)
{
    cursor.wholeSet = false;
    cursor.slot = std::clamp(cursor.slot + slots, 0, kColourSlots - 1);
    cursor.set = std::clamp(cursor.set + sets, 0, kPaletteSetCount - 1);
    cursor.typedDigit = -1;
}

bool setSlotColour(EDITOR& editor, const ColourCursor& cursor, int colour)
{
    const std::uint8_t now = paletteSlot(editor, cursor.set, cursor.slot);
    const int number = colour & (kConsoleColourCount - 1);
    return changeSlot(editor, cursor,
                      isSelectorSlot(cursor.slot) ? withAnimationNumber(now, number) : std::uint8_t(number));
}

bool stepSlot(EDITOR& editor, const ColourCursor& cursor, int step)
{
    const std::uint8_t now = paletteSlot(editor, cursor.set, cursor.slot);
    return setSlotColour(editor, cursor, (now & kAnimationNumber) + step);
}

bool toggleAnimation(EDITOR& editor, const ColourCursor& cursor)
{
    ColourCursor selector = cursor;
    selector.slot = kFirstSelectorSlot + subPaletteOfSlot(cursor.slot);
    return changeSlot(editor, selector, paletteSlot(editor, selector.set, selector.slot) ^ kAnimatedBit);
}

bool typeHexDigit(EDITOR& editor, ColourCursor& cursor, int digit)
{
    if (digit < 0 || digit > 15)
        return false;
    if (cursor.typedDigit < 0) {
        if (digit * 16 < kConsoleColourCount)
            cursor.typedDigit = digit;
        return false;
    }
    const int number = cursor.typedDigit * 16 + digit;
    cursor.typedDigit = -1;
    return setSlotColour(editor, cursor, number);
}

bool replacePaletteBytes(EDITOR& editor, int set, int first, const std::uint8_t* bytes, int count)
{
    if (first < 0 || count < 0 || first + count > kColourSlots)
        return false;
    std::uint8_t* target = setBytes(editor, set) + first;
    if (std::equal(bytes, bytes + count, target))
        return false;
    editor.history.record(editor, false);
    std::copy_n(bytes, count, target);
    editor.history.record(editor, false);
    return true;
}

CopiedItems subPaletteItems(const EDITOR& editor, const ColourCursor& cursor)
{
    const PaletteRecord& set = editor.palSet[editor.curStage & 0x0F][cursor.set & 3];
    const int first = cursor.wholeSet ? 0 : subPaletteOfSlot(cursor.slot);
    CopiedItems items;
    items.view = kSubPaletteItems;
    items.columns = 1;
    items.rows = cursor.wholeSet ? 4 : 1;
    for (int p = first; p < first + items.rows; ++p) {
        items.bytes.insert(items.bytes.end(), set.colour[p], set.colour[p] + 4);
        items.bytes.push_back(set.selector[p]);
    }
    return items;
}

void copySubPalettes(EDITOR& editor, const ColourCursor& cursor)
{
    // No picture: the text says it all.
    editor.host().writeClipboard(selectionText(subPaletteItems(editor, cursor)), Surface{});
}

bool pasteSubPalettes(EDITOR& editor, const ColourCursor& cursor)
{
    const ReadSelection read = readSelectionText(editor.host().readClipboard());
    if (read.problem != SelectionTextProblem::None) {
        refusePaste(editor, read);
        return false;
    }
    const CopiedItems& items = read.items;
    if (items.view != kSubPaletteItems) {
        refuse(editor,
               fillIn(translated("colour_editing",
                                 "The clipboard holds items of \"%1\", which the Colours "
                                 "window cannot paste: it pastes sub-palettes."),
                      {itemKindName(items.view)}));
        return false;
    }
    PaletteRecord set = editor.palSet[editor.curStage & 0x0F][cursor.set & 3];
    const int first = items.rows == 4 ? 0 : subPaletteOfSlot(cursor.slot);
    for (int row = 0; row < items.rows && first + row < 4; ++row) {
        const std::uint8_t* item = items.item(0, row);
        std::copy_n(item, 4, set.colour[first + row]);
        set.selector[first + row] = item[4];
    }
    return replacePaletteBytes(editor, cursor.set, 0, reinterpret_cast<const std::uint8_t*>(&set), kColourSlots);
}
