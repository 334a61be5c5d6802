#include "shell/session/settings.h"

#include <algorithm>
#include <memory>

#include <QByteArray>
#include <QSettings>
#include <QVariant>

namespace {

struct Remembered {
    std::vector<std::string> recent;
    std::optional<QPoint> windowPosition;
    std::string emulator;
    int zoom = 1;
    std::string objectNamesFile;
    std::vector<std::pair<std::string, SideWindowPlace>> sideWindows;
};

bool inUse = false;
Remembered remembered;

std::unique_ptr<QSettings> openFile()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "quarrix-editor", "settings");
}

// Only values of the expected kind count; anything else is the default.
std::optional<QRect> rectValue(const QVariant& value)
{
    if (value.typeId() != QMetaType::QRect)
        return std::nullopt;
    const QRect rect = value.toRect();
    if (!rect.isValid() || rect.width() > 100000 || rect.height() > 100000)
        return std::nullopt;
    return rect;
}

Remembered readFile()
{
    Remembered read;
    const auto settings = openFile();
    QSettings& file = *settings;
    if (file.status() != QSettings::NoError)
        return read;
    for (const QVariant& entry : file.value("recent/images").toList()) {
        if (entry.typeId() != QMetaType::QByteArray || entry.toByteArray().isEmpty() ||
            entry.toByteArray().contains('\0'))
            continue;
        if (read.recent.size() < std::size_t(kRecentImageCount))
            read.recent.push_back(entry.toByteArray().toStdString());
    }
    if (const QVariant position = file.value("window/position"); position.typeId() == QMetaType::QPoint)
        read.windowPosition = position.toPoint();
    if (const QVariant emulator = file.value("tools/emulator"); emulator.typeId() == QMetaType::QString)
        read.emulator = emulator.toString().toStdString();
    // The file keeps numbers as text.
    bool isNumber = false;
    if (const int zoom = file.value("view/zoom").toString().toInt(&isNumber); isNumber)
        read.zoom = std::clamp(zoom, 1, 4);
    if (const QVariant names = file.value("objects/names"); names.typeId() == QMetaType::QByteArray &&
        !names.toByteArray().isEmpty() && !names.toByteArray().contains('\0'))
        read.objectNamesFile = names.toByteArray().toStdString();
    for (const char* name : kSideWindowNames) {
        SideWindowPlace place;
        place.open = file.value(QString("side/%1/open").arg(name)).toString() == "true";
        place.frame = rectValue(file.value(QString("side/%1/frame").arg(name)));
        read.sideWindows.emplace_back(name, place);
    }
    return read;
}

void writeFile()
{
    if (!inUse)
        return;
    const auto settings = openFile();
    QSettings& file = *settings;
    QVariantList recent;
    for (const std::string& path : remembered.recent)
        recent.push_back(QByteArray::fromStdString(path));
    // A file that was damaged is written anew with what the editor holds.
    file.clear();
    file.setValue("recent/images", recent);
    if (remembered.windowPosition)
        file.setValue("window/position", *remembered.windowPosition);
    if (!remembered.emulator.empty())
        file.setValue("tools/emulator", QString::fromStdString(remembered.emulator));
    if (remembered.zoom != 1)
        file.setValue("view/zoom", remembered.zoom);
    if (!remembered.objectNamesFile.empty())
        file.setValue("objects/names", QByteArray::fromStdString(remembered.objectNamesFile));
    for (const auto& [name, place] : remembered.sideWindows) {
        file.setValue(QString("side/%1/open").arg(name.c_str()), place.open ? "true" : "false");
        if (place.frame)
            file.setValue(QString("side/%1/frame").arg(name.c_str()), *place.frame);
    }
    file.sync();
}

}  // namespace

void useSettings(bool use)
{
    inUse = use;
    remembered = use ? readFile() : Remembered{};
}

std::vector<std::string> recentImages()
{
    return remembered.recent;
}

void noteRecentImage(const std::string& path)
{
    auto& recent = remembered.recent;
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > std::size_t(kRecentImageCount))
        recent.resize(std::size_t(kRecentImageCount));
    writeFile();
}

void clearRecentImages()
{
    remembered.recent.clear();
    writeFile();
}

std::optional<QPoint> savedWindowPosition()
{
    return remembered.windowPosition;
}

void saveWindowPosition(QPoint topLeft)
{
    remembered.windowPosition = topLeft;
    writeFile();
}

std::string savedEmulator()
{
    return remembered.emulator;
}

void saveEmulator(const std::string& command)
{
    remembered.emulator = command;
    writeFile();
}

int savedZoom()
{
    return remembered.zoom;
}

void saveZoom(int zoom)
{
    remembered.zoom = zoom;
    writeFile();
}

std::string savedObjectNamesFile()
{
    return remembered.objectNamesFile;
}

void saveObjectNamesFile(const std::string& path)
{
    remembered.objectNamesFile = path;
    writeFile();
}

SideWindowPlace sideWindowPlace(const char* name)
{
    for (const auto& [known, place] : remembered.sideWindows)
        if (known == name)
            return place;
    return {};
}

void saveSideWindowPlace(const char* name, const SideWindowPlace& place)
{
    auto& windows = remembered.sideWindows;
    const auto found =
        std::find_if(windows.begin(), windows.end(), [name](const auto& entry) { return entry.first == name; });
    if (found != windows.end())
        found->second = place;
    else
        windows.emplace_back(name, place);
    writeFile();
}
