#pragma once

// What the editor remembers for the user from run to run, in
// ~/.config/quarrix-editor/settings.ini (under XDG_CONFIG_HOME when that is set): the
// images opened last, the main window's place and zoom, the emulator chosen in Tools,
// the names file loaded last, the language chosen, which panels were open and how they were arranged.
//
// The remembered values are kept in memory as well; the file is read and written only
// while settings are in use, which a run that no one watches (a screenshot, exported
// pictures, the commands on files) never turns on. A file that cannot be read, or
// holds what the editor cannot use, counts as empty: its values are the defaults.

#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QRect>

inline constexpr int kRecentImageCount = 10;

// Reads the file once and from then on writes every change; false stops both.
void useSettings(bool use);
// Reads the file once and never writes it.
void readSettingsOnly();

// The images opened last, newest first, at most kRecentImageCount, each as the file
// system spells its name.
std::vector<std::string> recentImages();
void noteRecentImage(const std::string& path);
void clearRecentImages();

// The main window's top-left corner when it was last closed.
std::optional<QPoint> savedWindowPosition();
void saveWindowPosition(QPoint topLeft);

// The emulator command chosen in Tools > Choose Emulator...; empty for none.
std::string savedEmulator();
void saveEmulator(const std::string& command);

// How large the editing area was shown, 1 to 4; 1 when none was kept.
int savedZoom();
void saveZoom(int zoom);

// The names file chosen with "Load names..." in the object list; empty for none.
std::string savedObjectNamesFile();
void saveObjectNamesFile(const std::string& path);

// The language chosen in View > Language ("en", "ja"); empty when the user has not
// chosen one and the system's is used.
std::string savedLanguage();
void saveLanguage(const std::string& code);

// Whether the panel kept under name was open when the editor last ended.
bool savedPanelOpen(const char* name);
void savePanelOpen(const char* name, bool open);

// The main window's geometry and its panels' arrangement, as Qt saves them; empty
// when none was kept.
struct WindowArrangement {
    QByteArray geometry;
    QByteArray state;
};
WindowArrangement savedArrangement();
void saveArrangement(const WindowArrangement& arrangement);
