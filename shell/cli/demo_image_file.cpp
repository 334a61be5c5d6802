#include "shell/cli/demo_image_file.h"

#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "demo/demo_image.h"

namespace {

constexpr const char* kDemoFileName = "quarrix-demo.nes";

}  // namespace

std::string writeDemoRom()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw std::runtime_error("cannot make the data folder '" + QFile::encodeName(folder).toStdString() + "'");
    const std::string path = QFile::encodeName(QDir(folder).filePath(kDemoFileName)).toStdString();
    writeDemoImage(path);
    return path;
}
