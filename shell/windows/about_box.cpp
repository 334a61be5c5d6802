#include "shell/windows/about_box.h"

#include <string>

#include "jcode/readable_name.h"
#include "shell/session/app_state.h"
#include "state/state_folder.h"

void showAbout()
{
    const std::string text = std::string("Quarrix Editor ver.") + QUARRIX_VERSION +
        "\n\nA level editor for ROM images of a 16-stage NES action game.\n"
        "Free software under the MIT License.\n\n"
        "Unsaved edits, backups taken before each save and play-test copies are kept in\n" +
        readableName(stateFolder());
    MessageBoxA(boxOwner(), text.c_str(), "About Quarrix Editor", MB_ICONASTERISK);
}
