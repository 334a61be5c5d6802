#include "state/state_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "file/file_name.h"
#include "model/stable_hash.h"
#include "text/translation.h"

namespace {

constexpr const char* kFolderName = "quarrix-editor";

std::string homeFolder()
{
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
}

}  // namespace

std::string stateFolder()
{
    const char* xdg = std::getenv("XDG_STATE_HOME");
    // The base directory rules ignore a relative value.
    const std::string base = xdg && xdg[0] == '/' ? std::string(xdg) : homeFolder() + "/.local/state";
    return base + "/" + kFolderName;
}

void makeStateFolder(const std::string& path)
{
    std::string prefix;
    std::size_t from = 0;
    while (from <= path.size()) {
        const std::size_t slash = path.find('/', from);
        const std::size_t end = slash == std::string::npos ? path.size() : slash;
        prefix = path.substr(0, end);
        from = end + 1;
        if (prefix.empty())
            continue;
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            const int reason = errno;
            throw std::runtime_error(
                fillIn(translated("state_folder", "cannot make the folder '%1': %2"), {prefix, std::strerror(reason)}));
        }
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw std::runtime_error(
            fillIn(translated("state_folder", "cannot make the folder '%1': %2"), {path, std::strerror(ENOTDIR)}));
}

std::string canonicalImagePath(const std::string& imagePath)
{
    char resolved[PATH_MAX];
    if (::realpath(imagePath.c_str(), resolved))
        return resolved;
    if (!imagePath.empty() && imagePath[0] == '/')
        return imagePath;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd))
        return imagePath;
    return std::string(cwd) + "/" + imagePath;
}

std::string imageStateKey(const std::string& imagePath)
{
    const std::string canonical = canonicalImagePath(imagePath);
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(stableHash(canonical)));
    return fileNameOf(canonical) + "-" + digits;
}
