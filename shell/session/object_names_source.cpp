#include "shell/session/object_names_source.h"

#include <sys/stat.h>

#include "names/object_names_file.h"
#include "shell/session/settings.h"

std::optional<ObjectNames> startingObjectNames(const std::optional<std::string>& named, const std::string& imagePath)
{
    if (named)
        return loadObjectNamesFile(*named);
    // Only a file that is there is looked at: most images have no names beside them,
    // and the file loaded last may have gone since.
    for (const std::string& path : {objectNamesBesideImage(imagePath), savedObjectNamesFile()}) {
        struct stat status {};
        if (!path.empty() && ::lstat(path.c_str(), &status) == 0)
            return loadObjectNamesFile(path);
    }
    return std::nullopt;
}
