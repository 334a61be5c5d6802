#pragma once

// A script run on an image without a window:
// IMAGE --script FILE.js [--output OUT.nes] [--script-timeout SECONDS].

#include <optional>
#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

struct StartOptions;

// What such a run asks for; the values are kept as given and checked when it runs.
struct ScriptCommandLine {
    std::string script;
    std::optional<std::string> output;  // none: the image is only read
    std::string timeout = "30";         // seconds
};

class ScriptArguments {
public:
    explicit ScriptArguments(QCommandLineParser& parser);

    // Fills options.script from the parsed command line. Returns what is wrong with the
    // command line, if anything.
    std::optional<std::string> read(const QCommandLineParser& parser, const QStringList& positional,
                                    StartOptions& options) const;

private:
    QCommandLineOption script_;
    QCommandLineOption output_;
    QCommandLineOption timeout_;
};

// Whether the arguments ask for a script run, decided before the toolkit starts.
bool asksForScriptRun(int argc, char* argv[]);

// Runs options.script on options.romPath: prints what the script prints and returns 0,
// writing the output only when the script succeeded and changed something; or prints
// the file, line and message of its error (or that its time ran out) and returns 1,
// having written nothing.
int runScriptCommand(const StartOptions& options);
