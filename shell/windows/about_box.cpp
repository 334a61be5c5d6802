#include "shell/windows/about_box.h"

#include <string>

#include <QCoreApplication>

#include "jcode/readable_name.h"
#include "shell/session/app_state.h"
#include "state/state_folder.h"

void showAbout()
{
    const QString text = QCoreApplication::translate("about_box",
                                                     "Quarrix Editor ver.%1\n\n"
                                                     "A level editor for ROM images of a 16-stage NES action game.\n"
                                                     "Free software under the MIT License.\n\n"
                                                     "Unsaved edits, backups taken before each save and play-test "
                                                     "copies are kept in\n%2")
                             .arg(QUARRIX_VERSION, QString::fromStdString(readableName(stateFolder())));
    MessageBoxA(boxOwner(), text.toStdString().c_str(),
                QCoreApplication::translate("about_box", "About Quarrix Editor").toStdString().c_str(),
                MB_ICONASTERISK);
}
