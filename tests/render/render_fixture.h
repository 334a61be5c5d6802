#pragma once

#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include "model/editor.h"
#include "render/colour_table.h"
#include "support/fake_host.h"

// An editor with its surfaces created and a fake application, plus shortcuts to set
// up palettes, tiles and recognisable sheets.
class RenderTest : public ::testing::Test {
protected:
    std::unique_ptr<EDITOR> owned = std::make_unique<EDITOR>();
    EDITOR& editor = *owned;
    FakeHost host{editor};

    void SetUp() override { editor.createSurfaces(); }

    PaletteRecord& palette() { return editor.curPal[editor.curStage]; }

    void setSubPalette(int p, std::uint8_t c0, std::uint8_t c1, std::uint8_t c2, std::uint8_t c3,
                       std::uint8_t selector = 0)
    {
        palette().colour[p][0] = c0;
        palette().colour[p][1] = c1;
        palette().colour[p][2] = c2;
        palette().colour[p][3] = c3;
        palette().selector[p] = selector;
    }

    // A tile whose 64 pixels all have value v (0 to 3).
    void setSolidTile(int t, int v)
    {
        for (int row = 0; row < 8; ++row) {
            editor.tileGfx[editor.curStage][t][row] = (v & 1) ? 0xFF : 0x00;
            editor.tileGfx[editor.curStage][t][8 + row] = (v & 2) ? 0xFF : 0x00;
        }
    }

    // A colour that names a number, distinct from black and white for n 0 to 0xFFFF.
    static Colour tag(int n) { return rgb(0x10, std::uint8_t(n >> 8), std::uint8_t(n)); }

    // Fills each chip set's 32 x 32 block of the chip-set sheet with tag(b), and each
    // chip's 16 x 16 block of the chip sheet with tag(0x100 + k), so the views' copies
    // can be traced back to their source. paint() must then be called directly, as
    // refresh would rebuild the chip-set sheet.
    void tagSheets()
    {
        for (int b = 0; b < 256; ++b)
            editor.chipSetSurface.fill({32 * (b % 16), 32 * (b / 16), 32, 32}, tag(b));
        for (int k = 0; k < 256; ++k)
            editor.chipSurface.fill({16 * (k % 16), 16 * (k / 16), 16, 16}, tag(0x100 + k));
    }

    Colour view(int x, int y) const { return editor.viewSurface.pixel(x, y); }
};
