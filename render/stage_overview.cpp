#include "render/stage_overview.h"

#include <algorithm>

#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/change_frames.h"
#include "render/frame_rect.h"
#include "render/object_marker.h"

namespace {

constexpr int kChipsAcrossPage = kPagePixels / kChipPixels;  // 16
constexpr int kChipSetsAcrossPage = kPagePixels / kChipSetPixels;

Colour mean(const Surface& sheet, int left, int top, int size)
{
    std::uint32_t red = 0, green = 0, blue = 0;
    const Colour* pixels = sheet.data();
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x) {
            const Colour c = pixels[y * sheet.width() + x];
            red += (c >> 16) & 0xFF;
            green += (c >> 8) & 0xFF;
            blue += c & 0xFF;
        }
    const std::uint32_t count = std::uint32_t(size * size);
    return rgb(std::uint8_t(red / count), std::uint8_t(green / count), std::uint8_t(blue / count));
}

// The 256 chip sets of the sheet, each reduced to a block of (2 x chipPixels) squared:
// every page is made of these, so each is worked out once.
std::vector<Colour> reducedChipSets(const Surface& sheet, int chipPixels)
{
    const int side = 2 * chipPixels;
    const int cell = kChipSetPixels / side;  // sheet pixels per reduced pixel
    std::vector<Colour> reduced(std::size_t(kChipSetCount * side * side), kBlack);
    const bool full = sheet.width() >= kChipSetSheetPixels && sheet.height() >= kChipSetSheetPixels;
    if (!full)
        return reduced;
    for (int b = 0; b < kChipSetCount; ++b) {
        const Rect source = sheetCell(b, kChipSetPixels);
        Colour* block = reduced.data() + std::size_t(b * side * side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                block[y * side + x] = mean(sheet, source.x + x * cell, source.y + y * cell, cell);
    }
    return reduced;
}

}  // namespace

int overviewWidth(int chipPixels)
{
    return kPageCount * kChipsAcrossPage * chipPixels;
}

int overviewHeight(int chipPixels)
{
    return kChipsAcrossPage * chipPixels;
}

int overviewChipPixels(int width)
{
    int chipPixels = 1;
    while (chipPixels < kLargestOverviewChip && overviewWidth(2 * chipPixels) <= width)
        chipPixels *= 2;
    return chipPixels;
}

Surface stageOverview(const EDITOR& editor, const OverviewOptions& options)
{
    const int chipPixels = overviewChipPixels(overviewWidth(std::max(options.chipPixels, 1)));
    const int pageSide = kChipsAcrossPage * chipPixels;
    const int side = 2 * chipPixels;
    Surface overview(overviewWidth(chipPixels), overviewHeight(chipPixels));
    overview.fillAll(kBlack);
    const std::vector<Colour> chipSets = reducedChipSets(editor.chipSetSurface, chipPixels);
    const int s = editor.curStage;
    Colour* pixels = overview.data();
    for (int page = 0; page < kPageCount; ++page) {
        const int m = editor.pageSet[s][page];
        if (m >= kMapSetCount)
            continue;
        for (int column = 0; column < kChipSetsAcrossPage; ++column)
            for (int row = 0; row < kChipSetsAcrossPage; ++row) {
                const Colour* block =
                    chipSets.data() + std::size_t(editor.mapSet[s][m][column * 8 + row] * side * side);
                const int left = page * pageSide + column * side;
                for (int y = 0; y < side; ++y)
                    std::copy_n(block + y * side, side, pixels + (row * side + y) * overview.width() + left);
            }
    }
    if (options.withObjects) {
        // The marker's frame, reduced with the page but never smaller than 3 pixels, so
        // that even at one pixel a chip every object shows.
        const int marker = std::max(3, kChipPixels * chipPixels / kChipsAcrossPage);
        for (const ObjectRecord& record : editor.object[s]) {
            if (!record.isUsed())
                continue;
            const int x = record.page * pageSide + record.x * pageSide / kPagePixels;
            const int y = markerCentreY(record.y) * pageSide / kPagePixels;
            frameRect(overview, x - marker / 2, y - marker / 2, marker - 1, marker - 1, kWhite);
        }
    }
    for (int page : options.framedPages)
        if (page >= 0 && page < kPageCount) {
            frameRect(overview, page * pageSide, 0, pageSide - 1, pageSide - 1, kWhite);
            frameRect(overview, page * pageSide + 1, 1, pageSide - 3, pageSide - 3, kBlack);
        }
    for (int page : options.changedPages)
        if (page >= 0 && page < kPageCount)
            frameRect(overview, page * pageSide + 2, 2, pageSide - 5, pageSide - 5, changeFrameColour());
    return overview;
}

std::vector<int> pagesInView(const EDITOR& editor)
{
    std::vector<int> pages;
    switch (editor.curTab) {
    case kViewMap:
    case kViewObject:
        for (int page : {editor.viewPos, editor.viewPos + 1})
            if (page >= 0 && page < kPageCount)
                pages.push_back(page);
        break;
    case kViewMapSet:
        for (int page = 0; page < kPageCount; ++page) {
            const int m = editor.pageSet[editor.curStage][page];
            if (m == editor.viewPos || m == editor.viewPos + 1)
                pages.push_back(page);
        }
        break;
    default: break;
    }
    return pages;
}

int overviewPageAt(int x, int chipPixels)
{
    const int pageSide = kChipsAcrossPage * std::max(chipPixels, 1);
    return std::clamp(x / pageSide, 0, kPageCount - 1);
}
