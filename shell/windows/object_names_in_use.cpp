#include "shell/windows/object_names_in_use.h"

#include <exception>

#include <QCoreApplication>
#include <QTimer>

#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/object_names_source.h"

void useStartingObjectNames(const std::optional<std::string>& named, const std::string& imagePath)
{
    try {
        useObjectNames(startingObjectNames(named, imagePath).value_or(ObjectNames{}));
    } catch (const std::exception& error) {
        useObjectNames(ObjectNames{});
        // Once the message loop runs, so that the box has its window.
        QTimer::singleShot(0, [text = std::string(error.what())] {
            reportError(QCoreApplication::translate("object_names_in_use",
                                                    "The object names are not used: %1. The editor goes on without "
                                                    "names.")
                            .arg(QString::fromStdString(text))
                            .toStdString()
                            .c_str());
        });
    }
}

void useObjectNames(ObjectNames names)
{
    theEditor.objectNames = std::move(names);
}
