#include "shell/startup/private_runtime_folder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

std::string& madeFolder()
{
    static std::string folder;
    return folder;
}

void removeMadeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(madeFolder(), ignored);
}

}  // namespace

void usePrivateRuntimeFolder()
{
    const char* named = std::getenv("XDG_RUNTIME_DIR");
    if ((named && *named) || !madeFolder().empty())
        return;
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    std::string pattern = ((error ? std::filesystem::path("/tmp") : temporary) / "quarrix-runtime-XXXXXX").string();
    // mkdtemp makes the folder with mode 0700.
    if (::mkdtemp(pattern.data()) == nullptr)
        return;
    madeFolder() = pattern;
    ::setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
    std::atexit(removeMadeFolder);
}
