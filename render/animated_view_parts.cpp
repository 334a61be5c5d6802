#include "render/animated_view_parts.h"

#include <algorithm>
#include <tuple>

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/view_drawing.h"

namespace {

struct PartFinder {
    const EDITOR& editor;
    const SheetChanges& changes;
    std::vector<Rect> parts;

    // The chip sets of map set m that the build drew again, with the map set's left
    // edge at x = left, as drawMapSetHalf lays them out.
    void mapSetHalf(int m, int left)
    {
        if (m < 0 || m >= kMapSetCount)
            return;
        const std::uint8_t* cells = editor.mapSet[editor.curStage][m];
        for (int column = 0; column < 8; ++column)
            for (int row = 0; row < 8; ++row)
                if (changes.chipSet[cells[column * 8 + row]])
                    parts.push_back(
                        {left + kChipSetPixels * column, kChipSetPixels * row, kChipSetPixels, kChipSetPixels});
    }

    // The changed chips of the chip sheet shown at sheet.
    void chipSheet(const Rect& sheet)
    {
        for (int k = 0; k < kChipCount; ++k)
            if (changes.chip[k])
                parts.push_back(sheetCell(k, kChipPixels, sheet.x, sheet.y));
    }

    void magnifierIf(bool changed)
    {
        if (changed)
            parts.push_back(kMagnifier);
    }
};

}  // namespace

std::optional<std::vector<Rect>> animatedViewParts(const EDITOR& editor, const bool (&moved)[4])
{
    // A build on sheets that are not their full size marks everything changed.
    const SheetChanges& changes = editor.lastSheetChanges();
    if (changes.all)
        return std::nullopt;

    const int s = editor.curStage;
    const bool paletteChanged = moved[0] || moved[1] || moved[2] || moved[3];
    const int c = editor.curChipSet & 0xFF;
    const int k = editor.curChip & 0xFF;
    PartFinder find{editor, changes, {}};
    switch (editor.curTab) {
    case kViewMap:
    case kViewObject:
        for (int h = 0; h < 2; ++h) {
            const int page = editor.viewPos + h;
            if (page >= 0 && page < kPageCount)
                find.mapSetHalf(editor.pageSet[s][page], kPagePixels * h);
        }
        break;
    case kViewMapSet:
        for (int h = 0; h < 2; ++h)
            find.mapSetHalf(editor.viewPos + h, kPagePixels * h);
        // The small sheet halves the chip-set sheet exactly: each chip set lands in one
        // chip-sized cell.
        for (int b = 0; b < kChipSetCount; ++b)
            if (changes.chipSet[b])
                find.parts.push_back(sheetCell(b, kChipPixels, kSmallChipSetSheet.x, kSmallChipSetSheet.y));
        find.magnifierIf(changes.chipSet[c]);
        break;
    case kViewChipSet: {
        const int half = c & kChipSetHalfBit;
        for (int b = half; b < half + kChipSetCount / 2; ++b)
            if (changes.chipSet[b])
                find.parts.push_back(sheetCell(b - half, kChipSetPixels, kUpperArea.x, kUpperArea.y));
        find.magnifierIf(changes.chipSet[c]);
        find.chipSheet(kChipSetViewChipSheet);
        if (paletteChanged)
            find.parts.push_back(kPaletteStrip);
        break;
    }
    case kViewChip: {
        find.chipSheet(kChipViewChipSheet);
        find.magnifierIf(changes.chip[k]);
        // The tile sheet is drawn in the current chip's sub-palette.
        if (moved[editor.chip[s][k].palette & 3])
            find.parts.push_back(kTileSheet);
        if (paletteChanged)
            find.parts.push_back(kPaletteStrip);
        break;
    }
    default: break;
    }
    return joinNeighbours(std::move(find.parts));
}

bool chipsOfShownPages(const EDITOR& editor, bool (&chips)[kChipCount])
{
    if (editor.curTab != kViewMap && editor.curTab != kViewObject)
        return false;
    const int s = editor.curStage;
    for (int h = 0; h < 2; ++h) {
        const int page = editor.viewPos + h;
        const int m = page >= 0 && page < kPageCount ? editor.pageSet[s][page] : kMapSetCount;
        if (m >= kMapSetCount)
            continue;
        for (const std::uint8_t b : editor.mapSet[s][m])
            for (const std::uint8_t k : editor.chipSet[s][b])
                chips[k] = true;
    }
    return true;
}

std::vector<Rect> joinNeighbours(std::vector<Rect> parts)
{
    const auto joinRuns = [&parts](bool acrossRows) {
        // Sorted so that neighbours follow each other: by row then column for runs side
        // by side, by column then row for runs one above the other.
        std::sort(parts.begin(), parts.end(), [acrossRows](const Rect& a, const Rect& b) {
            return acrossRows ? std::tie(a.x, a.width, a.y) < std::tie(b.x, b.width, b.y)
                              : std::tie(a.y, a.height, a.x) < std::tie(b.y, b.height, b.x);
        });
        std::vector<Rect> joined;
        for (const Rect& r : parts) {
            if (!joined.empty()) {
                Rect& last = joined.back();
                if (!acrossRows && last.y == r.y && last.height == r.height && last.x + last.width == r.x) {
                    last.width += r.width;
                    continue;
                }
                if (acrossRows && last.x == r.x && last.width == r.width && last.y + last.height == r.y) {
                    last.height += r.height;
                    continue;
                }
            }
            if (joined.empty() || !(joined.back() == r))
                joined.push_back(r);
        }
        parts = std::move(joined);
    };
    joinRuns(false);
    joinRuns(true);
    return parts;
}
