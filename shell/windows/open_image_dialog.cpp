#include "shell/windows/open_image_dialog.h"

#include <unistd.h>

#include <stdexcept>

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "jcode/readable_name.h"

std::optional<std::string> openRomDialog()
{
    // One entry labelled "(*.*)" that offers every file, dotted or not.
    const QString path = QFileDialog::getOpenFileName(nullptr, QString(), QString(), "(*.*) (*)");
    if (path.isEmpty())
        return std::nullopt;
    const std::string name = QFile::encodeName(path).toStdString();
    // The dialog's strings cannot carry a name whose bytes are not UTF-8: what comes
    // back names another file, or none. Opening that instead would be wrong.
    if (path.contains(QChar::ReplacementCharacter) && ::access(name.c_str(), F_OK) != 0)
        throw std::runtime_error(
            QCoreApplication::translate("open_image_dialog",
                                        "the file dialog cannot pass on the name of '%1' because "
                                        "it is not UTF-8; name the file on the command line instead")
                .arg(QString::fromStdString(readableName(name)))
                .toStdString());
    return name;
}
