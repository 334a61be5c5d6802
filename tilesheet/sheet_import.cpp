#include "tilesheet/sheet_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "edit/tile_editing.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "text/translation.h"

namespace {

std::string tileName(int tile)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", unsigned(tile));
    return text;
}

}  // namespace

SheetImport putSheetTiles(EDITOR& editor, int stage, const SheetTiles& read)
{
    SheetImport import;
    for (const int tile : read.changed) {
        const TileBytes& bytes = read.tiles[std::size_t(tile)];
        std::string refusal = tileDrawingRefusal(editor, stage, tile);
        if (refusal.empty()) {
            // A tile of this stage loaded from the same bytes as one written already
            // holds that one's pixels now; different ones here would undo them.
            for (const TilePlace& place : tilesSharingSource(editor, stage, tile)) {
                if (place.stage != stage ||
                    !std::binary_search(import.written.begin(), import.written.end(), place.tile))
                    continue;
                if (std::memcmp(read.tiles[std::size_t(place.tile)].data(), bytes.data(), kTileBytes) != 0) {
                    refusal = fillIn(translated("sheet_import",
                                                "It is loaded from the same bytes as tile %1, "
                                                "which the sheet draws otherwise."),
                                     {tileName(place.tile)});
                    break;
                }
            }
        }
        if (refusal.empty() && !setTileBytes(editor, stage, tile, bytes))
            refusal = translated("sheet_import", "The tile could not be written.");
        if (refusal.empty())
            import.written.push_back(tile);
        else
            import.left.push_back({tile, refusal});
    }
    return import;
}

SheetImport importSheetTiles(EDITOR& editor, int stage, const SheetTiles& read)
{
    // Whatever came before is a step of its own; the import is the next.
    editor.history.record(editor, false);
    SheetImport import = putSheetTiles(editor, stage, read);
    editor.history.record(editor, false);
    return import;
}

void writeStageTiles(const EDITOR& editor, int stage, std::vector<std::uint8_t>& image)
{
    for (const ImagePlace& place : imagePlacesOfStage(editor, stage)) {
        if (place.offset > image.size() || image.size() - place.offset < place.size) {
            char number[16];
            std::snprintf(number, sizeof number, "%X", unsigned(stage));
            throw std::runtime_error(
                fillIn(translated("sheet_import", "the image is too short to hold the tiles of stage %1"), {number}));
        }
        std::memcpy(image.data() + place.offset, place.bytes, place.size);
    }
}

std::string sheetImportSummary(const SheetImport& import, int stage, const std::string& where)
{
    char number[16];
    std::snprintf(number, sizeof number, "%X", unsigned(stage));
    const std::size_t count = import.written.size();
    // where is a clause of the caller's: ", in a copy of the image written to ...".
    std::string text = count == 1
        ? fillIn(translated("sheet_import", "1 tile of stage %1 changed%2."), {number, where})
        : fillIn(translated("sheet_import", "%1 tiles of stage %2 changed%3."), {std::to_string(count), number, where});
    for (const TileLeft& left : import.left) {
        text += '\n';
        text += fillIn(translated("sheet_import", "Tile %1 is left as it is: %2"), {tileName(left.tile), left.reason});
    }
    return text;
}
