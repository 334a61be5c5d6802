#include "state/newest_files.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

struct Found {
    std::string path;
    struct timespec modified;
};

bool newerFirst(const Found& a, const Found& b)
{
    if (a.modified.tv_sec != b.modified.tv_sec)
        return a.modified.tv_sec > b.modified.tv_sec;
    if (a.modified.tv_nsec != b.modified.tv_nsec)
        return a.modified.tv_nsec > b.modified.tv_nsec;
    return a.path > b.path;
}

}  // namespace

void keepNewestFiles(const std::string& folder, std::size_t keep,
                     const std::function<bool(const std::string& name)>& isOurs)
{
    std::vector<Found> files;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (!isOurs(entry->d_name))
                continue;
            const std::string path = folder + "/" + entry->d_name;
            struct stat info {};
            if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
                files.push_back({path, info.st_mtim});
        }
        ::closedir(dir);
    }
    if (files.size() <= keep)
        return;
    std::sort(files.begin(), files.end(), newerFirst);
    for (std::size_t i = keep; i < files.size(); ++i)
        ::unlink(files[i].path.c_str());
}
