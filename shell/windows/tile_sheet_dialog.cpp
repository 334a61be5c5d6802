#include "shell/windows/tile_sheet_dialog.h"

#include <cstdio>
#include <exception>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "model/editor.h"
#include "shell/cli/tile_sheet_png.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "tilesheet/sheet_colours.h"
#include "tilesheet/sheet_import.h"

namespace {

std::function<std::optional<std::string>()> chooser;

std::optional<std::string> sheetDialog(const QString& title)
{
    const QString folder = QFileInfo(QFile::decodeName(romPath.c_str())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(mainWindow ? mainWindow->handle() : nullptr, title, folder,
                                                      "Tile sheets (*.png);;(*.*) (*)");
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void setTileSheetChooser(std::function<std::optional<std::string>()> replacement)
{
    chooser = std::move(replacement);
}

void importTileSheetIntoCurrentStage()
{
    const int stage = theEditor.curStage;
    const int paletteSet = theEditor.curPalSet;
    const int subPalette = theEditor.chip[stage][theEditor.curChip & 0xFF].palette & 3;
    char colours[64];
    std::snprintf(colours, sizeof colours, "sub-palette %d of palette set %d", subPalette, paletteSet);
    try {
        char title[128];
        std::snprintf(title, sizeof title, "Import a tile sheet into stage %X (colours of %s)", unsigned(stage),
                      colours);
        const std::optional<std::string> in = chooser ? chooser() : sheetDialog(title);
        if (!in)
            return;
        const TileSheetImage sheet = readTileSheetPng(*in);
        const SheetTiles read =
            readTileSheet(sheet, sheetColours(theEditor, stage, paletteSet, subPalette), theEditor.tileGfx[stage]);
        const SheetImport import = importSheetTiles(theEditor, stage, read);
        const bool byIndex = sheet.indexed && sheet.palette.size() <= 4;
        const std::string how = byIndex ? "The sheet was read by its palette index (0 to 3)."
                                        : std::string("The sheet was read in the colours of ") + colours + ".";
        const std::string result = sheetImportSummary(import, stage) + "\n" + how;
        MessageBoxA(boxOwner(), result.c_str(), "tile sheet",
                    import.left.empty() ? MB_ICONASTERISK : MB_ICONEXCLAMATION);
    } catch (const std::exception& error) {
        reportError((std::string("The tile sheet could not be imported: ") + error.what()).c_str());
    }
}
