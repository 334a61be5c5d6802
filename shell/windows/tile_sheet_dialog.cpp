#include "shell/windows/tile_sheet_dialog.h"

#include <exception>

#include <QCoreApplication>
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

QString translatedText(const char* english)
{
    return QCoreApplication::translate("tile_sheet_dialog", english);
}

std::optional<std::string> sheetDialog(const QString& title)
{
    const QString folder = QFileInfo(QFile::decodeName(romPath.c_str())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        mainWindow ? mainWindow->handle() : nullptr, title, folder,
        translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "Tile sheets (*.png);;(*.*) (*)")));
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
    const QString colours = translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "sub-palette %1 of palette set %2"))
                                .arg(QString::number(subPalette), QString::number(paletteSet));
    try {
        const QString title =
            translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "Import a tile sheet into stage %1 (colours of %2)"))
                .arg(QString::number(stage, 16).toUpper(), colours);
        const std::optional<std::string> in = chooser ? chooser() : sheetDialog(title);
        if (!in)
            return;
        const TileSheetImage sheet = readTileSheetPng(*in);
        const SheetTiles read =
            readTileSheet(sheet, sheetColours(theEditor, stage, paletteSet, subPalette), theEditor.tileGfx[stage]);
        const SheetImport import = importSheetTiles(theEditor, stage, read);
        const bool byIndex = sheet.indexed && sheet.palette.size() <= 4;
        const QString how = byIndex
            ? translatedText(
                  QT_TRANSLATE_NOOP("tile_sheet_dialog", "The sheet was read by its palette index (0 to 3)."))
            : translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "The sheet was read in the colours of %1."))
                  .arg(colours);
        const std::string result = sheetImportSummary(import, stage) + "\n" + how.toStdString();
        MessageBoxA(boxOwner(), result.c_str(),
                    translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "tile sheet")).toStdString().c_str(),
                    import.left.empty() ? MB_ICONASTERISK : MB_ICONEXCLAMATION);
    } catch (const std::exception& error) {
        reportError(translatedText(QT_TRANSLATE_NOOP("tile_sheet_dialog", "The tile sheet could not be imported: %1"))
                        .arg(QString::fromStdString(error.what()))
                        .toStdString()
                        .c_str());
    }
}
