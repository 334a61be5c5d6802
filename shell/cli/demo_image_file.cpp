#include "shell/cli/demo_image_file.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "demo/demo_image.h"
#include "text/translation.h"

namespace {

constexpr const char* kDemoFileName = "quarrix-demo.nes";

}  // namespace

std::string writeDemoRom()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("demo_image_file", "cannot make the data folder '%1'").toStdString(),
                   {QFile::encodeName(folder).toStdString()}));
    const std::string path = QFile::encodeName(QDir(folder).filePath(kDemoFileName)).toStdString();
    writeDemoImage(path);
    return path;
}
