#include "shell/cli/script_command.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include <QCoreApplication>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editor.h"
#include "rom/save_rom.h"
#include "shell/cli/argument_bytes.h"
#include "shell/cli/command_inputs.h"
#include "shell/cli/command_line.h"
#include "shell/script/script_session.h"
#include "shell/script/script_watchdog.h"
#include "shell/session/object_names_source.h"
#include "state/save_with_backup.h"
#include "text/translation.h"

namespace {

constexpr const char* kCommandOptions[] = {"--script"};

void printError(const std::string& text)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

// Writes the editor's tables as Save writes them: into the image itself, with its
// backup, or into a copy of it with every other byte as the image has it.
void writeResult(const EDITOR& editor, const std::string& imagePath, const std::string& output)
{
    if (isSameFile(output, imagePath)) {
        saveRomWithBackup(editor, imagePath);
        return;
    }
    std::vector<std::uint8_t> image = readFileBytes(imagePath);
    writeEditableTables(editor, image);
    writeOutputFile(output, image);
}

}  // namespace

ScriptArguments::ScriptArguments(QCommandLineParser& parser)
    : script_("script",
              QCoreApplication::translate(
                  "script_command",
                  "Run the JavaScript <file> on the ROM image and end, printing what it prints: "
                  "IMAGE --script FILE.js [--output OUT.nes]. An error prints its file, line and message and ends "
                  "with exit code 1, writing nothing."),
              "file")
    , output_("output",
              QCoreApplication::translate(
                  "script_command",
                  "With --script: write the image as the script left it to <file> when the script succeeded and "
                  "changed something; give the image itself to write it in place, as Save does."),
              "file")
    , timeout_("script-timeout",
               QCoreApplication::translate(
                   "script_command",
                   "With --script: stop the script after <seconds> (default 30) and end with exit code 1."),
               "seconds")
{
    parser.addOptions({script_, output_, timeout_});
}

std::optional<std::string> ScriptArguments::read(const QCommandLineParser& parser, const QStringList& positional,
                                                 StartOptions& options) const
{
    if (!parser.isSet(script_)) {
        if (parser.isSet(output_) || parser.isSet(timeout_))
            return QCoreApplication::translate("script_command", "--output and --script-timeout go with --script")
                .toStdString();
        return std::nullopt;
    }
    for (const char* other :
         {"screenshot", "view", "report-first-frame", "export-stage", "export-all", "objects", "make-patch",
          "apply-patch", "info", "export-stage-data", "import-stage-data", "export-tiles", "import-tiles", "demo"})
        if (parser.isSet(other))
            return fillIn(QCoreApplication::translate("script_command",
                                                      "--script opens no window and does nothing else: leave out --%1")
                              .toStdString(),
                          {other});
    if (positional.size() != 1)
        return QCoreApplication::translate(
                   "script_command",
                   "--script takes the image and the script: IMAGE --script FILE.js [--output OUT.nes]")
            .toStdString();
    ScriptCommandLine command;
    command.script = argumentBytes(parser.value(script_));
    if (parser.isSet(output_))
        command.output = argumentBytes(parser.value(output_));
    if (parser.isSet(timeout_)) {
        bool ok = false;
        const double seconds = parser.value(timeout_).toDouble(&ok);
        if (!ok || !(seconds > 0))
            return QCoreApplication::translate("script_command", "--script-timeout takes a number of seconds above 0")
                .toStdString();
        command.timeout = parser.value(timeout_).toStdString();
    }
    options.script = command;
    return std::nullopt;
}

bool asksForScriptRun(int argc, char* argv[])
{
    return namesAnyOption(argc, argv, kCommandOptions);
}

int runScriptCommand(const StartOptions& options)
{
    const ScriptCommandLine& command = *options.script;
    const std::string& imagePath = *options.romPath;
    const QString scriptName = QString::fromStdString(readableName(command.script));
    std::unique_ptr<EDITOR> editor;
    std::unique_ptr<ScriptSession> session;
    QString program;
    try {
        if (command.output)
            refuseOverInput(*command.output, command.script);
        const std::vector<std::uint8_t> source = readFileBytes(command.script);
        program = QString::fromUtf8(reinterpret_cast<const char*>(source.data()), qsizetype(source.size()));
        editor = loadedImage(imagePath);
        if (std::optional<ObjectNames> names = startingObjectNames(options.objectNames, imagePath))
            editor->objectNames = std::move(*names);
        session = makeScriptSession(*editor);
    } catch (const std::exception& error) {
        printError(fillIn(QCoreApplication::translate("script_command", "cannot run the script: %1").toStdString(),
                          {error.what()}));
        return 1;
    }
    editor->history.start(*editor);

    session->setOutput([](const QString& line) {
        std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    });
    const auto limit = std::chrono::duration<double>(std::stod(command.timeout));
    ScriptOutcome outcome;
    {
        ScriptWatchdog watchdog(std::chrono::duration_cast<std::chrono::milliseconds>(limit),
                                [&session] { session->interrupt(); });
        outcome = session->run(program, scriptName, scriptName);
    }
    if (outcome.result == ScriptOutcome::Result::Stopped) {
        printError(fillIn(QCoreApplication::translate(
                              "script_command", "%1: stopped after %2 seconds (--script-timeout); nothing written")
                              .toStdString(),
                          {scriptName.toStdString(), command.timeout}));
        return 1;
    }
    if (outcome.result == ScriptOutcome::Result::Failed) {
        printError(outcome.error.text().toStdString());
        return 1;
    }
    if (command.output && outcome.changed) {
        try {
            writeResult(*editor, imagePath, *command.output);
        } catch (const std::exception& error) {
            printError(fillIn(QCoreApplication::translate("script_command", "cannot write %1: %2").toStdString(),
                              {readableName(*command.output), error.what()}));
            return 1;
        }
    }
    std::fflush(stdout);
    return 0;
}
