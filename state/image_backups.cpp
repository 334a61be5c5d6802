#include "state/image_backups.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <stdexcept>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "state/newest_files.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

constexpr const char* kExtension = ".nes";
// "20261208-033112-123.nes"
constexpr std::size_t kStampLength = 23;

bool isBackupName(const std::string& name)
{
    if (name.size() != kStampLength || !name.ends_with(kExtension))
        return false;
    for (std::size_t i = 0; i < kStampLength - 4; ++i) {
        const bool dash = i == 8 || i == 15;
        if (dash ? name[i] != '-' : !std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

std::string stampName(std::chrono::system_clock::time_point when)
{
    const auto ms = std::chrono::time_point_cast<std::chrono::milliseconds>(when);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(ms);
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%03d%s", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, int(ms.time_since_epoch().count() % 1000),
                  kExtension);
    return name;
}

// Names of the copies in folder, oldest first.
std::vector<std::string> backupNames(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (isBackupName(entry->d_name))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::string imageBackupFolder(const std::string& imagePath)
{
    return stateFolder() + "/backups/" + imageStateKey(imagePath);
}

std::vector<std::string> imageBackups(const std::string& imagePath)
{
    const std::string folder = imageBackupFolder(imagePath);
    std::vector<std::string> paths = backupNames(folder);
    for (std::string& name : paths)
        name = folder + "/" + name;
    return paths;
}

std::string keepImageBackup(const std::string& imagePath, std::span<const std::uint8_t> bytes)
{
    const std::string folder = imageBackupFolder(imagePath);
    std::string path;
    try {
        makeStateFolder(folder);
        // Two saves within one millisecond: the later copy takes the next free
        // millisecond, so names stay unique and in order.
        auto when = std::chrono::system_clock::now();
        std::string name = stampName(when);
        while (::access((folder + "/" + name).c_str(), F_OK) == 0) {
            when += std::chrono::milliseconds(1);
            name = stampName(when);
        }
        path = folder + "/" + name;
        writeFileAtomically(path, bytes);
    } catch (const std::exception& error) {
        throw std::runtime_error(fillIn(translated("image_backups", "no copy of '%1' could be kept in '%2': %3"),
                                        {readableName(imagePath), readableName(folder), error.what()}));
    }

    keepNewestFiles(folder, kBackupsKept, isBackupName);
    return path;
}
