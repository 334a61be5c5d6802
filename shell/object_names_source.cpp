#include "shell/object_names_source.h"

#include <sys/stat.h>

#include <exception>

#include <QTimer>

#include "names/object_names_file.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/object_list_window.h"
#include "shell/settings.h"
#include "shell/usage_window.h"

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

void useStartingObjectNames(const std::optional<std::string>& named, const std::string& imagePath)
{
    try {
        useObjectNames(startingObjectNames(named, imagePath).value_or(ObjectNames{}));
    } catch (const std::exception& error) {
        useObjectNames(ObjectNames{});
        // Once the message loop runs, so that the box has its window.
        QTimer::singleShot(0, [text = std::string(error.what())] {
            reportError(("The object names are not used: " + text + ". The editor goes on without names.").c_str());
        });
    }
}

void useObjectNames(ObjectNames names)
{
    theEditor.objectNames = std::move(names);
    followEditorInObjectList();
    followEditorInUsageWindow();
}
