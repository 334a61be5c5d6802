#include "render/change_frames.h"

#include <string_view>

#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/colour_table.h"
#include "render/object_marker.h"

namespace {

constexpr int kObjectFramePixels = 36;
constexpr Colour kFrameFallback = rgb(0xFF, 0x00, 0xFF);

std::size_t tableNamed(std::string_view name)
{
    const std::span<const EditableTable> tables = editableTableList();
    for (std::size_t t = 0; t < tables.size(); ++t)
        if (name == tables[t].name)
            return t;
    return tables.size();
}

}  // namespace

Colour changeFrameColour()
{
    for (std::uint32_t candidate : {0xFF00FFu, 0x00FF7Fu, 0xFF7F00u, 0x7F00FFu}) {
        bool used = false;
        for (int c = 0; c < 64; ++c)
            used = used || (colourTable[c] & 0xFFFFFFu) == candidate;
        if (!used)
            return 0xFF000000u | candidate;
    }
    return kFrameFallback;
}

namespace {

struct Framer {
    EDITOR& editor;
    const ChangeMarks& marks;
    int stage;
    Colour colour = changeFrameColour();

    bool element(std::size_t table, int index) const
    {
        const int parts = editableTableList()[table].layout->elementSize / editableTableList()[table].layout->partSize;
        for (int p = 0; p < parts; ++p)
            if (marks.part(table, stage, index * parts + p))
                return true;
        return false;
    }
    // A one-pixel line along the inside of r, so that it stays within the item.
    void frame(const Rect& r) const
    {
        Surface& view = editor.viewSurface;
        for (int x = r.x; x < r.x + r.width; ++x)
            view.setPixel(x, r.y, colour), view.setPixel(x, r.y + r.height - 1, colour);
        for (int y = r.y + 1; y < r.y + r.height - 1; ++y)
            view.setPixel(r.x, y, colour), view.setPixel(r.x + r.width - 1, y, colour);
    }

    // The chips of a sheet at `sheet`, and the tiles of the tile sheet.
    void chips(const Rect& sheet) const
    {
        static const std::size_t table = tableNamed("chips");
        for (int n = 0; n < kChipCount; ++n)
            if (element(table, n))
                frame(sheetCell(n, kChipPixels, sheet.x, sheet.y));
    }
    void tiles() const
    {
        static const std::size_t table = tableNamed("tiles");
        for (int n = 0; n < kTileCount; ++n)
            if (element(table, n))
                frame(sheetCell(n, kTilePixels * 2, kTileSheet.x, kTileSheet.y));
    }
    void swatches() const
    {
        static const std::size_t table = tableNamed("palette sets");
        const int set = editor.curPalSet & (kPaletteSetCount - 1);
        for (int p = 0; p < 4; ++p)
            for (int j = 0; j < 4; ++j)
                if (marks.part(table, stage, set * int(sizeof(PaletteRecord)) + p * 4 + j))
                    frame({kPaletteStrip.x + kPaletteSwatchSpacing * p + 24 * j, kPaletteStrip.y, 24, 12});
    }
};

}  // namespace

std::vector<int> changedPages(const EDITOR& editor)
{
    std::vector<int> pages;
    const ChangeMarks& marks = editor.changeMarks;
    if (!marks.shown || marks.parts.empty() || editor.curStage < 0 || editor.curStage >= kStageCount)
        return pages;
    static const std::size_t pageTable = tableNamed("pages");
    static const std::size_t mapSets = tableNamed("map sets");
    const Framer framer{const_cast<EDITOR&>(editor), marks, editor.curStage};
    for (int page = 0; page < kPageCount; ++page) {
        const int mapSet = editor.pageSet[editor.curStage][page];
        if (framer.element(pageTable, page) || (mapSet < kMapSetCount && framer.element(mapSets, mapSet)))
            pages.push_back(page);
    }
    return pages;
}

void drawChangeFrames(EDITOR& editor)
{
    const ChangeMarks& marks = editor.changeMarks;
    if (!marks.shown || marks.parts.empty() || editor.curStage < 0 || editor.curStage >= kStageCount)
        return;
    static const std::size_t mapSets = tableNamed("map sets");
    static const std::size_t chipSets = tableNamed("chip sets");
    static const std::size_t objects = tableNamed("objects");
    const Framer framer{editor, marks, editor.curStage};
    const int s = editor.curStage;
    switch (editor.curTab) {
    case kViewMap:
    case kViewObject:
        for (int page : changedPages(editor))
            if (page == editor.viewPos || page == editor.viewPos + 1)
                framer.frame({kPagePixels * (page - editor.viewPos), 0, kPagePixels, kPagePixels});
        if (editor.curTab == kViewObject)
            for (int slot = 0; slot < kObjectSlots; ++slot) {
                const ObjectRecord& record = editor.object[s][slot];
                const int h = record.page - editor.viewPos;
                if (!record.isUsed() || h < 0 || h > 1 || !framer.element(objects, slot))
                    continue;
                const int x = kPagePixels * h + record.x, y = markerCentreY(record.y);
                framer.frame(
                    {x - kObjectFramePixels / 2, y - kObjectFramePixels / 2, kObjectFramePixels, kObjectFramePixels});
            }
        break;
    case kViewMapSet:
        for (int h = 0; h < 2; ++h) {
            const int mapSet = editor.viewPos + h;
            if (mapSet < 0 || mapSet >= kMapSetCount)
                continue;
            for (int cell = 0; cell < kMapSetCells; ++cell)
                if (marks.part(mapSets, s, mapSet * kMapSetCells + cell))
                    framer.frame({kPagePixels * h + kChipSetPixels * (cell / 8), kChipSetPixels * (cell % 8),
                                  kChipSetPixels, kChipSetPixels});
        }
        break;
    case kViewChipSet: {
        const int half = editor.curChipSet & kChipSetHalfBit;
        for (int n = 0; n < kChipSetCount / 2; ++n)
            if (framer.element(chipSets, half + n))
                framer.frame(sheetCell(n, kChipSetPixels));
        framer.chips(kChipSetViewChipSheet);
        break;
    }
    case kViewChip:
        framer.chips(kChipViewChipSheet);
        framer.tiles();
        break;
    default: break;
    }
    framer.swatches();
}
