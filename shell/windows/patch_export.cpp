#include "shell/windows/patch_export.h"

#include <exception>
#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "patch/crc32.h"
#include "patch/patch_files.h"
#include "rom/save_rom.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "state/remembered_original.h"

namespace {

PatchExportDialogs dialogs;

QString translatedText(const char* english)
{
    return QCoreApplication::translate("patch_export", english);
}

// A readable file name as a value for a text.
QString nameOf(const std::string& path)
{
    return QString::fromStdString(readableName(path));
}

std::optional<std::string> originalDialog()
{
    const QString folder = QFileInfo(QFile::decodeName(romPath.c_str())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        mainWindow ? mainWindow->handle() : nullptr,
        translatedText(QT_TRANSLATE_NOOP("patch_export", "The original (unmodified) image to make the patch against")),
        folder, translatedText(QT_TRANSLATE_NOOP("patch_export", "NES images (*.nes);;(*.*) (*)")));
    if (path.isEmpty())
        return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

std::optional<std::string> patchFileDialog(const std::string& suggested)
{
    const QString bps = translatedText(QT_TRANSLATE_NOOP("patch_export", "BPS patch (*.bps)"));
    const QString ips = translatedText(QT_TRANSLATE_NOOP("patch_export", "IPS patch (*.ips)"));
    QFileDialog dialog(mainWindow ? mainWindow->handle() : nullptr,
                       translatedText(QT_TRANSLATE_NOOP("patch_export", "Export a patch")),
                       QFile::decodeName(suggested.c_str()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({bps, ips});
    dialog.setDefaultSuffix("bps");
    // A name typed without an ending gets the one of the format chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected,
                     [&](const QString& filter) { dialog.setDefaultSuffix(filter == ips ? "ips" : "bps"); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

// image.nes beside it becomes image.bps.
std::string suggestedPatchName(const std::string& imagePath)
{
    const QFileInfo image(QFile::decodeName(imagePath.c_str()));
    return QFile::encodeName(image.absoluteDir().filePath(image.completeBaseName() + ".bps")).toStdString();
}

void tell(const QString& message)
{
    MessageBoxA(boxOwner(), message.toStdString().c_str(),
                translatedText(QT_TRANSLATE_NOOP("patch_export", "patch")).toStdString().c_str(), MB_ICONASTERISK);
}

// The bytes of the original, the remembered one or one the user chooses now, or none
// after a cancel.
std::optional<RememberedOriginal> findOriginal()
{
    RememberedOriginal original = findRememberedOriginal(romPath);
    if (original.status == RememberedOriginal::Status::Found)
        return original;
    if (original.status == RememberedOriginal::Status::Changed)
        tell(translatedText(QT_TRANSLATE_NOOP("patch_export",
                                              "The original image remembered for this image, '%1', has changed "
                                              "since: choose the original (unmodified) image again."))
                 .arg(nameOf(original.path)));
    else if (original.status == RememberedOriginal::Status::Vanished)
        tell(translatedText(QT_TRANSLATE_NOOP("patch_export",
                                              "The original image remembered for this image, '%1', can no "
                                              "longer be read: choose the original (unmodified) image again."))
                 .arg(nameOf(original.path)));
    const std::optional<std::string> chosen = dialogs.chooseOriginal ? dialogs.chooseOriginal() : originalDialog();
    if (!chosen)
        return std::nullopt;
    original.path = *chosen;
    original.bytes = readFileBytes(*chosen);
    original.crc32 = crc32Of(original.bytes);
    original.status = RememberedOriginal::Status::Found;
    try {
        rememberOriginal(romPath, *chosen, original.crc32);
    } catch (const std::exception& error) {
        // The patch can still be made; only the next one will ask again.
        reportKeepFailure(error.what());
    }
    return original;
}

}  // namespace

void setPatchExportDialogs(PatchExportDialogs replacement)
{
    dialogs = std::move(replacement);
}

void exportPatch()
{
    try {
        // The image as a Save would leave it, without saving.
        std::vector<std::uint8_t> image = readFileBytes(romPath);
        writeEditableTables(theEditor, image);

        const std::optional<RememberedOriginal> original = findOriginal();
        if (!original)
            return;
        const std::string suggested = suggestedPatchName(romPath);
        const std::optional<std::string> out =
            dialogs.choosePatchFile ? dialogs.choosePatchFile(suggested) : patchFileDialog(suggested);
        if (!out)
            return;
        for (const std::string* input : {static_cast<const std::string*>(&romPath), &original->path})
            if (isSameFile(*out, *input))
                throw std::runtime_error(
                    translatedText(QT_TRANSLATE_NOOP("patch_export",
                                                     "the patch would replace the image '%1': choose another file"))
                        .arg(nameOf(*input))
                        .toStdString());
        const PatchWritten written = writePatchFile(original->bytes, image, *out);
        tell(translatedText(
                 QT_TRANSLATE_NOOP("patch_export", "%1 patch written to '%2': %3 bytes for %4 changed bytes."))
                 .arg(QString::fromLatin1(patchFormatName(written.format)), nameOf(*out),
                      QString::number(written.patchSize), QString::number(written.changedBytes)));
    } catch (const std::exception& error) {
        reportError(translatedText(QT_TRANSLATE_NOOP("patch_export", "The patch could not be exported: %1"))
                        .arg(QString::fromStdString(error.what()))
                        .toStdString()
                        .c_str());
    }
}
