#include "shell/windows/picture_export_dialog.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <iterator>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QProgressDialog>

#include "jcode/readable_name.h"
#include "model/editable_tables.h"
#include "shell/cli/stage_export.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/text_pictures.h"

namespace {

std::function<std::optional<std::string>()> folderDialog;

QString translatedText(const char* english)
{
    return QCoreApplication::translate("picture_export_dialog", english);
}

std::optional<std::string> askFolder()
{
    if (folderDialog)
        return folderDialog();
    const QString folder = QFileDialog::getExistingDirectory(
        boxOwner(), translatedText(QT_TRANSLATE_NOOP("picture_export_dialog", "Export pictures into")));
    if (folder.isEmpty())
        return std::nullopt;
    return QFile::encodeName(folder).toStdString();
}

}  // namespace

void setPictureFolderDialog(std::function<std::optional<std::string>()> chooseFolder)
{
    folderDialog = std::move(chooseFolder);
}

void exportPicturesToChosenFolder()
{
    const std::optional<std::string> folder = askFolder();
    if (!folder)
        return;
    // Drawn by an editor of its own, holding the tables as they are being edited, so
    // the window's editor keeps its selections, surfaces and animation.
    TextDrawingHost texts;
    auto drawer = std::make_unique<EDITOR>();
    drawer->setHost(&texts);
    drawer->createSurfaces();
    // The tiles and palette sets are editable tables too.
    restoreEditableTables(*drawer, editableTables(theEditor));
    std::memcpy(drawer->curPal, theEditor.curPal, sizeof theEditor.curPal);
    std::copy(std::begin(theEditor.palAnim), std::end(theEditor.palAnim), drawer->palAnim);

    QProgressDialog progress(
        translatedText(QT_TRANSLATE_NOOP("picture_export_dialog", "Writing the pictures of every stage...")), QString(),
        0, kStageCount, boxOwner());
    progress.setWindowTitle(translatedText(QT_TRANSLATE_NOOP("picture_export_dialog", "Export pictures")));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    try {
        const int written = writeEveryStagePicture(*drawer, *folder, false, theEditor.curPalSet,
                                                   [&progress](int stage) { progress.setValue(stage + 1); });
        progress.close();
        const QString done =
            translatedText(QT_TRANSLATE_NOOP("picture_export_dialog", "%1 pictures of 16 stages written to %2"))
                .arg(QString::number(written), QString::fromStdString(readableName(*folder)));
        MessageBoxA(boxOwner(), done.toStdString().c_str(),
                    translatedText(QT_TRANSLATE_NOOP("picture_export_dialog", "Export pictures")).toStdString().c_str(),
                    MB_ICONASTERISK);
    } catch (const std::exception& error) {
        progress.close();
        reportError(error.what());
    }
}
