#include "shell/session/play_test.h"

#include <exception>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "file/file_access.h"
#include "render/colour_table.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/settings.h"
#include "state/playtest_copies.h"
#include "text/translation.h"

namespace {

constexpr const char* kEmulatorVariable = "QUARRIX_EMULATOR";
// The editor's colours for the emulator, beside the copies; each F5 writes it anew.
constexpr const char* kPaletteFileName = "colours.pal";

QString installHint()
{
    return QCoreApplication::translate("play_test",
                                       "Install an emulator, for example with: apt-get install fceux\n"
                                       "(Debian puts it into /usr/games, which PATH may have to name)\n"
                                       "or name one with --emulator \"COMMAND\" or in the variable QUARRIX_EMULATOR "
                                       "(%f in the command stands for the image).");
}

std::optional<std::string> emulatorOption;
qint64 lastProcess = 0;

// Made on the first F5, so that a run without play-testing leaves no trace. The state
// folder is read then, not at start-up.
std::unique_ptr<PlaytestCopies> madeCopies;

PlaytestCopies& copies()
{
    if (!madeCopies)
        madeCopies = std::make_unique<PlaytestCopies>(playtestFolder());
    return *madeCopies;
}

// Texts are UTF-8 like file names here, which may hold any bytes, so an error's text
// is passed on as it is.
void report(const std::string& text)
{
    reportError(text.c_str());
}

void report(const QString& text)
{
    report(text.toStdString());
}

std::string copyNotWritten(const std::exception& error)
{
    return fillIn(QCoreApplication::translate("play_test", "The play-test copy could not be written: %1").toStdString(),
                  {error.what()});
}

}  // namespace

void setEmulatorOption(std::optional<std::string> command)
{
    emulatorOption = std::move(command);
}

std::optional<EmulatorCommand> findEmulator(QString* tried)
{
    QStringList looked;
    if (emulatorOption && !QString::fromStdString(*emulatorOption).trimmed().isEmpty())
        return EmulatorCommand{QString::fromStdString(*emulatorOption), "--emulator"};
    looked << (emulatorOption ? QCoreApplication::translate("play_test", "--emulator was empty")
                              : QCoreApplication::translate("play_test", "no --emulator option"));

    const QString variable = qEnvironmentVariable(kEmulatorVariable);
    if (!variable.trimmed().isEmpty())
        return EmulatorCommand{variable, kEmulatorVariable};
    looked << (qEnvironmentVariableIsSet(kEmulatorVariable) ? QCoreApplication::translate("play_test", "%1 is empty")
                                                            : QCoreApplication::translate("play_test", "%1 is not set"))
                  .arg(kEmulatorVariable);

    const QString chosen = QString::fromStdString(savedEmulator());
    if (!chosen.trimmed().isEmpty())
        return EmulatorCommand{chosen, QCoreApplication::translate("play_test", "Tools > Choose Emulator")};
    looked << QCoreApplication::translate("play_test", "no emulator chosen in Tools > Choose Emulator");

    QStringList names;
    for (const char* name : kKnownEmulators) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return EmulatorCommand{found, "PATH"};
        names << name;
    }
    looked << QCoreApplication::translate("play_test", "none of %1 is on PATH").arg(names.join(", "));
    if (tried)
        *tried = looked.join("; ");
    return std::nullopt;
}

QStringList emulatorArguments(const QString& command, const QString& copyPath)
{
    QStringList arguments = QProcess::splitCommand(command);
    bool placed = false;
    for (QString& argument : arguments)
        if (argument.contains("%f")) {
            argument.replace("%f", copyPath);
            placed = true;
        }
    if (!placed)
        arguments << copyPath;
    return arguments;
}

void playTest()
{
    QString tried;
    const std::optional<EmulatorCommand> emulator = findEmulator(&tried);
    if (!emulator) {
        report(QCoreApplication::translate("play_test", "No emulator found to play-test with (%1).\n%2")
                   .arg(tried, installHint()));
        return;
    }

    std::string copy;
    try {
        copy = copies().write(theEditor, romPath);
    } catch (const std::exception& error) {
        report(copyNotWritten(error));
        return;
    }

    QStringList arguments = emulatorArguments(emulator->command, QFile::decodeName(copy.c_str()));
    const QString program = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (QFileInfo(program).fileName() == "fceux") {
        // fceux draws with the editor's colours when it is handed them as a palette file.
        const std::string palette = copies().folder() + "/" + kPaletteFileName;
        try {
            writeFileAtomically(palette, paletteFileBytes());
        } catch (const std::exception& error) {
            copies().remove(copy);
            report(copyNotWritten(error));
            return;
        }
        arguments.prepend(QFile::decodeName(palette.c_str()));
        arguments.prepend("--palette");
    }
    qint64 pid = 0;
    if (program.isEmpty() || !QProcess::startDetached(program, arguments, QString(), &pid)) {
        copies().remove(copy);
        report(QCoreApplication::translate("play_test", "The emulator could not be started: %1 (from %2).\n%3")
                   .arg(emulator->command, emulator->source, installHint()));
        return;
    }
    lastProcess = pid;
    copies().keepNewest();
}

qint64 lastEmulatorProcess()
{
    return lastProcess;
}

void removePlaytestCopies()
{
    if (madeCopies)
        madeCopies->removeOwn();
}
