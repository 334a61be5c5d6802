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
    std::string language;
    std::vector<std::pair<std::string, bool>> panelsOpen;
    WindowArrangement arrangement;
};

bool inUse = false;
Remembered remembered;

std::unique_ptr<QSettings> openFile()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "quarrix-editor", "settings");
}

// Only values of the expected kind count; anything else is the default.
QByteArray bytesValue(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
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
    if (const QVariant language = file.value("view/language"); language.typeId() == QMetaType::QString)
        read.language = language.toString().toStdString();
    file.beginGroup("side");
    for (const QString& name : file.childGroups())
        read.panelsOpen.emplace_back(name.toStdString(), file.value(name + "/open").toString() == "true");
    file.endGroup();
    read.arrangement.geometry = bytesValue(file.value("window/geometry"));
    read.arrangement.state = bytesValue(file.value("window/state"));
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
    if (!remembered.language.empty())
        file.setValue("view/language", QString::fromStdString(remembered.language));
    for (const auto& [name, open] : remembered.panelsOpen)
        file.setValue(QString("side/%1/open").arg(name.c_str()), open ? "true" : "false");
    if (!remembered.arrangement.geometry.isEmpty())
        file.setValue("window/geometry", remembered.arrangement.geometry);
    if (!remembered.arrangement.state.isEmpty())
        file.setValue("window/state", remembered.arrangement.state);
    file.sync();
}

}  // namespace

void useSettings(bool use)
{
    inUse = use;
    remembered = use ? readFile() : Remembered{};
}

void readSettingsOnly()
{
    inUse = false;
    remembered = readFile();
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

std::string savedLanguage()
{
    return remembered.language;
}

void saveLanguage(const std::string& code)
{
    remembered.language = code;
    writeFile();
}

bool savedPanelOpen(const char* name)
{
    for (const auto& [known, open] : remembered.panelsOpen)
        if (known == name)
            return open;
    return false;
}

void savePanelOpen(const char* name, bool open)
{
    auto& panels = remembered.panelsOpen;
    const auto found =
        std::find_if(panels.begin(), panels.end(), [name](const auto& entry) { return entry.first == name; });
    if (found != panels.end())
        found->second = open;
    else
        panels.emplace_back(name, open);
    writeFile();
}

WindowArrangement savedArrangement()
{
    return remembered.arrangement;
}

void saveArrangement(const WindowArrangement& arrangement)
{
    remembered.arrangement = arrangement;
    writeFile();
}
