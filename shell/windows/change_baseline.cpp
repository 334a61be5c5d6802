#include "shell/windows/change_baseline.h"

#include <memory>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "changes/baseline.h"
#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editor.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "state/remembered_original.h"

namespace {

// The name of the image the tables come from is kept, not the panel's words for it, so
// the words follow the language.
struct Chosen {
    std::string fileName;
    std::vector<std::uint8_t> tables;
};

std::string filledIn(const char* english, const std::string& value)
{
    return QCoreApplication::translate("change_baseline", english).arg(QString::fromStdString(value)).toStdString();
}

std::string imageShown;  // the image the baseline belongs to
std::optional<Chosen> chosen;
std::optional<Chosen> remembered;
std::uint64_t revision = 1;

std::size_t imageSize()
{
    return std::size_t(QFileInfo(QFile::decodeName(romPath.c_str())).size());
}

std::string fileName(const std::string& path)
{
    return readableName(QFile::encodeName(QFileInfo(QFile::decodeName(path.c_str())).fileName()).toStdString());
}

void lookUpRemembered()
{
    std::optional<Chosen> found;
    RememberedOriginal original = findRememberedOriginal(romPath);
    if (original.status == RememberedOriginal::Status::Found) {
        try {
            found = Chosen{fileName(original.path),
                           tablesOfOriginal(original.bytes, imageSize(), *std::make_unique<EDITOR>())};
        } catch (const std::exception&) {
            // Not an original of this image after all: the saved image stands in.
        }
    }
    const bool same = found.has_value() == remembered.has_value() && (!found || found->tables == remembered->tables);
    remembered = std::move(found);
    if (!same)
        ++revision;
}

void followImage(bool lookAgain)
{
    if (imageShown != romPath) {
        imageShown = romPath;
        chosen.reset();
        remembered.reset();
        ++revision;
        lookAgain = true;
    }
    if (lookAgain)
        lookUpRemembered();
}

}  // namespace

ChangeBaseline changeBaseline(bool lookAgain)
{
    followImage(lookAgain);
    if (chosen)
        return {
            filledIn(QT_TRANSLATE_NOOP("change_baseline", "the image chosen to compare with, %1"), chosen->fileName),
            &chosen->tables};
    if (remembered)
        return {filledIn(QT_TRANSLATE_NOOP("change_baseline", "the original remembered for Ctrl+E, %1"),
                         remembered->fileName),
                &remembered->tables};
    return {QCoreApplication::translate("change_baseline", "the image as last saved or opened").toStdString(),
            &theEditor.history.savedTables()};
}

std::optional<std::string> compareWithImage(const std::string& path)
{
    followImage(false);
    try {
        chosen = Chosen{fileName(path), tablesOfOriginalFile(path, imageSize(), *std::make_unique<EDITOR>())};
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
    ++revision;
    return std::nullopt;
}

void chooseComparisonImage()
{
    const QString folder = QFileInfo(QFile::decodeName(romPath.c_str())).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        boxOwner(), QCoreApplication::translate("change_baseline", "The image to compare with"), folder,
        QCoreApplication::translate("change_baseline", "NES images (*.nes);;(*.*) (*)"));
    if (path.isEmpty())
        return;
    if (const std::optional<std::string> wrong = compareWithImage(QFile::encodeName(path).toStdString()))
        MessageBoxA(
            boxOwner(),
            filledIn(QT_TRANSLATE_NOOP("change_baseline", "The changes stay counted against what they were: %1"),
                     *wrong)
                .c_str(),
            QCoreApplication::translate("change_baseline", "Compare with").toStdString().c_str(), MB_ICONEXCLAMATION);
}

std::uint64_t baselineRevision()
{
    return revision;
}
