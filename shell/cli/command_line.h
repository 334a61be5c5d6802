#pragma once

#include <optional>
#include <string>

#include "shell/cli/file_commands.h"
#include "shell/cli/script_command.h"
#include "shell/cli/tile_sheet_commands.h"

class QCoreApplication;

// Pictures to write instead of opening the window (shell/cli/stage_export.h). The values
// are kept as given and checked when the pictures are made.
struct ExportOptions {
    std::optional<std::string> stage;  // --export-stage S; none for --export-all
    std::string target;                // the picture file of --export-stage, the folder of --export-all
    std::string paletteSet = "0";      // --palette K
    bool objects = false;              // --objects: mark the objects on the stage pictures
};

// What the command line asks for. Without any argument the program asks for the ROM
// image in a file dialog.
struct StartOptions {
    std::optional<std::string> romPath;           // open this image without the dialog
    bool demo = false;                            // write the built-in demo image and open it
    std::optional<std::string> screenshot;        // save the window as a PNG after the first frames, then end
    std::optional<int> view;                      // start in this view, 0 "MAP" to 4 "CHIP"
    bool reportFirstFrame = false;                // print when the first frame was painted, then end
    std::optional<ExportOptions> exportPictures;  // write pictures and end, without a window
    std::optional<FileCommand> fileCommand;       // make or apply a patch and end, without a window
    std::optional<TileSheetCommand> tileSheet;    // write or read a tile sheet and end, without a window
    std::optional<ScriptCommandLine> script;      // run a script on the image and end, without a window
    std::optional<std::string> emulator;          // the command F5 starts the emulator with
    std::optional<std::string> exportPalette;     // write the colours as an emulator palette file and end
    std::optional<std::string> objectNames;       // names of the objects' data values, else beside the image
    bool unattended = false;                      // no one can see a box: errors go to standard output only
};

// Parses the arguments of app. --help, --version and a malformed command line print
// their text and end the process, as the toolkit's parser does.
StartOptions parseCommandLine(const QCoreApplication& app);

// Whether the process has a display to open windows on: a display server named in the
// environment, or a platform chosen explicitly (such as offscreen).
bool displayAvailable();
