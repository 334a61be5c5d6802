#pragma once

// F5: the stage as it is being edited, played in an emulator at once. The emulator
// runs on a copy of the image in the state folder, as a process of its own that the
// editor does not wait for.

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

// The emulators looked for on PATH when no command is named, in this order.
inline constexpr const char* kKnownEmulators[] = {"fceux", "nestopia", "mednafen"};

struct EmulatorCommand {
    QString command;  // as named, or the full path of the program found on PATH
    QString source;   // where it came from, for the user: "--emulator", "QUARRIX_EMULATOR",
                      // "Tools > Choose Emulator" or "PATH"
};

// The command that --emulator named for this run, or none.
void setEmulatorOption(std::optional<std::string> command);

// The --emulator command, else the QUARRIX_EMULATOR variable, else the one chosen in
// Tools > Choose Emulator, else the first known
// emulator found on PATH. An empty command counts as none. Without any, tried says
// what was looked at.
std::optional<EmulatorCommand> findEmulator(QString* tried = nullptr);

// The program and its arguments: the command split as a shell would, with the copy's
// path in place of every %f, or as the last argument when there is no %f.
QStringList emulatorArguments(const QString& command, const QString& copyPath);

// Writes the copy and starts the emulator on it; says in a message box what went
// wrong, if anything, and then changes nothing.
void playTest();

// The process id of the emulator started last, for tests; 0 before any.
qint64 lastEmulatorProcess();

// At the end of the run: removes the copies this run made.
void removePlaytestCopies();
