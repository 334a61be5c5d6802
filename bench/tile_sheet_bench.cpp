// What importing a whole tile sheet costs: the worst sheet, 256 x 256 and read by
// colour, every tile of it drawn otherwise, mapped into tiles and written at their
// sources (every tile of every stage loaded from the same bytes with them), as one step
// of the undo history.
#include <memory>

#include <benchmark/benchmark.h>

#include "demo/demo_image.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "tilesheet/sheet_colours.h"
#include "tilesheet/sheet_import.h"

namespace {

TileSheetImage colourSheetOf(const EDITOR& editor, int stage, const SheetColours& colours)
{
    TileSheetImage sheet = writeTileSheet(editor.tileGfx[stage], colours.colour, 2);
    for (std::uint32_t& pixel : sheet.pixels)
        pixel = sheet.palette[pixel];
    sheet.indexed = false;
    sheet.palette.clear();
    return sheet;
}

void BM_ImportWholeSheet(benchmark::State& state)
{
    auto editor = std::make_unique<EDITOR>();
    loadRomImage(*editor, makeDemoImage());
    editor->history.start(*editor);
    const SheetColours colours = sheetColours(*editor, 0, 0, 0);
    // Stage 0's tiles upside down and as they are, in turn: each import changes them all.
    TileSheetImage sheets[2] = {colourSheetOf(*editor, 0, colours), colourSheetOf(*editor, 0, colours)};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 256; ++x)
            std::swap(sheets[0].pixels[std::size_t(y * 256 + x)], sheets[0].pixels[std::size_t((255 - y) * 256 + x)]);
    std::size_t written = 0;
    int turn = 0;
    for (auto _ : state) {
        const SheetTiles read = readTileSheet(sheets[turn], colours, editor->tileGfx[0]);
        written += importSheetTiles(*editor, 0, read).written.size();
        turn ^= 1;
    }
    state.counters["tiles written"] = benchmark::Counter(double(written), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ImportWholeSheet)->Unit(benchmark::kMillisecond);

}  // namespace
