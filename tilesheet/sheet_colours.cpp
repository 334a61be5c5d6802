#include "tilesheet/sheet_colours.h"

#include "model/editor.h"
#include "render/palette_animation.h"
#include "render/tile_pixels.h"

SheetColours sheetColours(const EDITOR& editor, int stage, int paletteSet, int subPalette)
{
    const PaletteRecord palette = firstFramePalette(editor.palSet[stage][paletteSet], editor.palAnim);
    return {subPaletteColours(palette, subPalette), paletteSet, subPalette};
}
