#pragma once

// Tile sheets as PNG files, through the toolkit's PNG codec.

#include <cstdint>
#include <string>
#include <vector>

#include <QImage>

#include "tilesheet/tile_sheet_image.h"

// The picture in the PNG file at path (a name's bytes, as the file system spells it).
// An indexed picture keeps its indexes and palette; any other is read as colours. A
// picture of a size no tile sheet has comes back with its size alone, for the reader
// of sheets to refuse without decoding it. Throws std::runtime_error saying why, in
// the editor's words, when the file cannot be read or holds no PNG picture.
TileSheetImage readTileSheetPng(const std::string& path);

// The sheet as a picture: indexed when the sheet is, else 32-bit RGB.
QImage tileSheetPicture(const TileSheetImage& sheet);

// The bytes of the PNG file of the sheet.
std::vector<std::uint8_t> tileSheetPng(const TileSheetImage& sheet);
