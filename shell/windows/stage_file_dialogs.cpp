#include "shell/windows/stage_file_dialogs.h"

#include <exception>
#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "stagefile/stage_file.h"

namespace {

StageFileDialogs dialogs;

QString translatedText(const char* english)
{
    return QCoreApplication::translate("stage_file_dialogs", english);
}

QString filter()
{
    return translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "Stage files (*.json);;(*.*) (*)"));
}

QWidget* dialogOwner()
{
    return mainWindow ? mainWindow->handle() : nullptr;
}

std::optional<std::string> exportDialog(const std::string& suggested)
{
    QFileDialog dialog(dialogOwner(), translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "Export the stage")),
                       QFile::decodeName(suggested.c_str()), filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("json");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

std::optional<std::string> importDialog()
{
    const QString folder = QFileInfo(QFile::decodeName(romPath.c_str())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        dialogOwner(),
        translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "Import a stage file into the current stage")), folder,
        filter());
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

// image.nes becomes image-stage-3.json beside it.
std::string suggestedName(int stage)
{
    const QFileInfo image(QFile::decodeName(romPath.c_str()));
    const QString name =
        QString("%1-stage-%2.json").arg(image.completeBaseName(), QString::number(stage, 16).toUpper());
    return QFile::encodeName(image.absoluteDir().filePath(name)).toStdString();
}

}  // namespace

void setStageFileDialogs(StageFileDialogs replacement)
{
    dialogs = std::move(replacement);
}

void exportCurrentStage()
{
    const int stage = theEditor.curStage;
    try {
        const std::string suggested = suggestedName(stage);
        const std::optional<std::string> out =
            dialogs.chooseExportFile ? dialogs.chooseExportFile(suggested) : exportDialog(suggested);
        if (!out)
            return;
        if (isSameFile(*out, romPath))
            throw std::runtime_error(
                translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs",
                                                 "the stage file would replace the image itself: choose another file"))
                    .toStdString());
        const std::string text = writeStageFile(stageDataOf(theEditor, stage), stage);
        writeOutputFile(*out, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        const QString written =
            translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "Stage %1 written to '%2'."))
                .arg(QString::number(stage, 16).toUpper(), QString::fromStdString(readableName(*out)));
        MessageBoxA(boxOwner(), written.toStdString().c_str(),
                    translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "stage file")).toStdString().c_str(),
                    MB_ICONASTERISK);
    } catch (const std::exception& error) {
        reportError(translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "The stage could not be exported: %1"))
                        .arg(QString::fromStdString(error.what()))
                        .toStdString()
                        .c_str());
    }
}

void importIntoCurrentStage()
{
    try {
        const std::optional<std::string> in = dialogs.chooseImportFile ? dialogs.chooseImportFile() : importDialog();
        if (!in)
            return;
        const std::vector<std::uint8_t> bytes = readFileBytes(*in);
        const StageData data = readStageFile({reinterpret_cast<const char*>(bytes.data()), bytes.size()},
                                             stageDataOf(theEditor, theEditor.curStage));
        importStageData(theEditor, theEditor.curStage, data);
        // The chips are drawn from the tables just replaced; the selected object may
        // no longer be one.
        theEditor.drawChips();
        if (!theEditor.object[theEditor.curStage][theEditor.curObject & 0x3F].isUsed())
            theEditor.curObject = 0;
    } catch (const std::exception& error) {
        reportError(translatedText(QT_TRANSLATE_NOOP("stage_file_dialogs", "The stage file could not be imported: %1"))
                        .arg(QString::fromStdString(error.what()))
                        .toStdString()
                        .c_str());
    }
}
