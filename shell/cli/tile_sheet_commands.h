#pragma once

// Tile sheets from the command line, without a window:
// IMAGE --export-tiles S SHEET.png and IMAGE --import-tiles S SHEET.png OUT.nes, each
// with --palette K and --sub-palette P.

#include <optional>
#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

struct StartOptions;

// What such a command asks for; the values are kept as given and checked when it runs.
// The ROM image is StartOptions::romPath.
struct TileSheetCommand {
    bool import = false;
    std::string stage;
    std::string sheet;   // the PNG file written or read
    std::string output;  // the copy of the image that --import-tiles writes
    std::string paletteSet = "0";
    std::string subPalette = "0";
};

class TileSheetArguments {
public:
    // Adds the options to parser, before it parses; --palette is the picture export's.
    explicit TileSheetArguments(QCommandLineParser& parser);

    // Fills options.tileSheet from the parsed command line and takes its files
    // off the end of positional. Returns what is wrong with the command line, if anything.
    std::optional<std::string> read(const QCommandLineParser& parser, QStringList& positional,
                                    StartOptions& options) const;

    // Whether the parsed command line asks for a tile sheet.
    bool isAsked(const QCommandLineParser& parser) const;

private:
    QCommandLineOption exportTiles_;
    QCommandLineOption importTiles_;
    QCommandLineOption subPalette_;
};

// Whether the arguments ask for a tile sheet command. Decided before the toolkit
// starts, so that the run needs no display.
bool asksForTileSheetCommand(int argc, char* argv[]);

// Runs options.tileSheet: prints what was written (for an import, the tiles
// changed and each tile left as it is, with the reason) and returns 0, or prints what
// went wrong and returns 1, having written nothing. The image itself is never written.
int runTileSheetCommand(const StartOptions& options);
