#pragma once

// --export-palette FILE.pal: the colours the editor draws with, written as the palette
// file emulators read (fceux's --palette), so that an emulator shows what the editor
// shows. A run without a window.

#include <string>

// Whether the arguments ask for the palette file. Decided before the toolkit starts.
bool asksForPaletteExport(int argc, char* argv[]);

// Writes the palette file to path (the colours of --palette-file, if one was given).
// Prints what was written and returns 0, or prints what went wrong and returns 1.
int exportPalette(const std::string& path);
