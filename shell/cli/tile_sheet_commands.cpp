#include "shell/cli/tile_sheet_commands.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include <QCoreApplication>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editor.h"
#include "shell/cli/argument_bytes.h"
#include "shell/cli/command_inputs.h"
#include "shell/cli/command_line.h"
#include "shell/cli/stage_number.h"
#include "shell/cli/tile_sheet_png.h"
#include "text/translation.h"
#include "tilesheet/sheet_colours.h"
#include "tilesheet/sheet_import.h"
#include "tilesheet/sheet_tiles.h"

namespace {

constexpr const char* kCommandOptions[] = {"--export-tiles", "--import-tiles"};

// A palette set or sub-palette as given: one digit, 0 to 3; else refused with the
// refusal pattern, which names the option and gets the text given as %1.
int parseQuarter(const std::string& text, const QString& refusal)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '3')
        return text[0] - '0';
    throw std::runtime_error(fillIn(refusal.toStdString(), {text}));
}

struct SheetRequest {
    int stage = 0;
    int paletteSet = 0;
    int subPalette = 0;
};

SheetRequest requestOf(const TileSheetCommand& command)
{
    return {stageArgument(command.stage),
            parseQuarter(command.paletteSet,
                         QCoreApplication::translate("tile_sheet_commands",
                                                     "--palette takes a palette set from 0 to 3, not '%1'")),
            parseQuarter(command.subPalette,
                         QCoreApplication::translate("tile_sheet_commands",
                                                     "--sub-palette takes a sub-palette from 0 to 3, not '%1'"))};
}

std::string exportTiles(const std::string& imagePath, const TileSheetCommand& command)
{
    const SheetRequest request = requestOf(command);
    refuseOverInput(command.sheet, imagePath);
    const std::unique_ptr<EDITOR> editor = loadedImage(imagePath);
    const SheetColours colours = sheetColours(*editor, request.stage, request.paletteSet, request.subPalette);
    writeOutputFile(command.sheet, tileSheetPng(writeTileSheet(editor->tileGfx[request.stage], colours.colour)));
    return fillIn(QCoreApplication::translate(
                      "tile_sheet_commands", "the tiles of stage %1 written to %2, in sub-palette %3 of palette set %4")
                      .toStdString(),
                  {std::string(1, "0123456789ABCDEF"[request.stage & 0xF]), readableName(command.sheet),
                   std::to_string(request.subPalette), std::to_string(request.paletteSet)});
}

std::string importTiles(const std::string& imagePath, const TileSheetCommand& command)
{
    const SheetRequest request = requestOf(command);
    refuseOverInput(command.output, imagePath);
    refuseOverInput(command.output, command.sheet);
    const TileSheetImage sheet = readTileSheetPng(command.sheet);
    const std::unique_ptr<EDITOR> editor = loadedImage(imagePath);
    const SheetTiles read =
        readTileSheet(sheet, sheetColours(*editor, request.stage, request.paletteSet, request.subPalette),
                      editor->tileGfx[request.stage]);
    const SheetImport import = putSheetTiles(*editor, request.stage, read);
    // Only the tiles' bytes change, as Save writes them; every other byte of the copy
    // is the image's, and the image itself is only read.
    std::vector<std::uint8_t> image = readFileBytes(imagePath);
    writeStageTiles(*editor, request.stage, image);
    writeOutputFile(command.output, image);
    return sheetImportSummary(
        import, request.stage,
        fillIn(
            QCoreApplication::translate("tile_sheet_commands", ", in a copy of the image written to %1").toStdString(),
            {readableName(command.output)}));
}

}  // namespace

TileSheetArguments::TileSheetArguments(QCommandLineParser& parser)
    : exportTiles_(
          "export-tiles",
          QCoreApplication::translate(
              "tile_sheet_commands",
              "Write the 256 tiles of stage <S> as a tile sheet of 128 x 128 pixels to the PNG file given after "
              "it, and end: IMAGE --export-tiles S SHEET.png. Its palette index is the pixel's value."),
          "S")
    , importTiles_("import-tiles",
                   QCoreApplication::translate(
                       "tile_sheet_commands",
                       "Write a copy of the ROM image with the tiles of stage <S> drawn as a tile sheet (128 x 128, or "
                       "256 x 256 as --export-all writes it) written where the stage loads them from, and end: "
                       "IMAGE --import-tiles S SHEET.png OUT.nes. A sheet of four colours or fewer is read by index, "
                       "any other by the colours of --palette and --sub-palette."),
                   "S")
    , subPalette_("sub-palette",
                  QCoreApplication::translate(
                      "tile_sheet_commands",
                      "With --export-tiles and --import-tiles: the sub-palette <P> (0 to 3; default 0)."),
                  "P")
{
    parser.addOptions({exportTiles_, importTiles_, subPalette_});
}

bool TileSheetArguments::isAsked(const QCommandLineParser& parser) const
{
    return parser.isSet(exportTiles_) || parser.isSet(importTiles_);
}

std::optional<std::string> TileSheetArguments::read(const QCommandLineParser& parser, QStringList& positional,
                                                    StartOptions& options) const
{
    if (!isAsked(parser)) {
        if (parser.isSet(subPalette_))
            return QCoreApplication::translate("tile_sheet_commands",
                                               "--sub-palette goes with --export-tiles or --import-tiles")
                .toStdString();
        return std::nullopt;
    }
    const bool import = parser.isSet(importTiles_);
    if (import && parser.isSet(exportTiles_))
        return QCoreApplication::translate("tile_sheet_commands",
                                           "give either --export-tiles or --import-tiles, not both")
            .toStdString();
    for (const char* other : {"screenshot", "view", "report-first-frame", "export-stage", "export-all", "objects",
                              "make-patch", "apply-patch", "info", "export-stage-data", "import-stage-data"})
        if (parser.isSet(other))
            return fillIn(QCoreApplication::translate(
                              "tile_sheet_commands",
                              "--export-tiles and --import-tiles open no window and do nothing else: leave out --%1")
                              .toStdString(),
                          {other});
    const qsizetype files = import ? 2 : 1;
    if (positional.size() != files + 1)
        return import
            ? QCoreApplication::translate(
                  "tile_sheet_commands",
                  "--import-tiles takes the image, a stage, the tile sheet and the file to write: "
                  "IMAGE --import-tiles S SHEET.png OUT.nes")
                  .toStdString()
            : QCoreApplication::translate("tile_sheet_commands",
                                          "--export-tiles takes the image, a stage and the tile sheet to write: "
                                          "IMAGE --export-tiles S SHEET.png")
                  .toStdString();
    TileSheetCommand command;
    command.import = import;
    command.stage = parser.value(import ? importTiles_ : exportTiles_).toStdString();
    if (import)
        command.output = argumentBytes(positional.takeLast());
    command.sheet = argumentBytes(positional.takeLast());
    if (parser.isSet("palette"))
        command.paletteSet = parser.value("palette").toStdString();
    if (parser.isSet(subPalette_))
        command.subPalette = parser.value(subPalette_).toStdString();
    options.tileSheet = command;
    return std::nullopt;
}

bool asksForTileSheetCommand(int argc, char* argv[])
{
    return namesAnyOption(argc, argv, kCommandOptions);
}

int runTileSheetCommand(const StartOptions& options)
{
    const TileSheetCommand& command = *options.tileSheet;
    try {
        if (!options.romPath)
            throw std::runtime_error(
                QCoreApplication::translate("tile_sheet_commands", "name the ROM image first").toStdString());
        const std::string result =
            command.import ? importTiles(*options.romPath, command) : exportTiles(*options.romPath, command);
        std::printf("%s\n", result.c_str());
    } catch (const std::exception& error) {
        const QString failure = command.import
            ? QCoreApplication::translate("tile_sheet_commands", "cannot import the tile sheet: %1")
            : QCoreApplication::translate("tile_sheet_commands", "cannot export the tile sheet: %1");
        std::printf("%s\n", fillIn(failure.toStdString(), {error.what()}).c_str());
        std::fflush(stdout);
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
