#pragma once

// Commands that work on files and end, without a window: patches made and applied.

#include <optional>
#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

struct StartOptions;

// What such a command asks for. The ROM image it works on is StartOptions::romPath.
struct FileCommand {
    enum class Kind { MakePatch, ApplyPatch };
    Kind kind = Kind::MakePatch;
    std::string value;   // the original of --make-patch, the patch of --apply-patch
    std::string output;  // the file the command writes
};

// The options: IMAGE --make-patch ORIGINAL OUT.bps|OUT.ips and
// IMAGE --apply-patch PATCH OUT.nes.
class FileCommandArguments {
public:
    // Adds the options to parser, before it parses.
    explicit FileCommandArguments(QCommandLineParser& parser);

    // Fills options.fileCommand from the parsed command line and takes the output file
    // off the end of positional. Returns what is wrong with the command line, if anything.
    std::optional<std::string> read(const QCommandLineParser& parser, QStringList& positional,
                                    StartOptions& options) const;

private:
    QCommandLineOption makePatch_;
    QCommandLineOption applyPatch_;
};

// Whether the arguments ask for such a command. Decided before the toolkit starts, so
// that the run needs no display.
bool asksForFileCommand(int argc, char* argv[]);

// Runs options.fileCommand: prints one line that says what was written and returns 0,
// or prints what went wrong and returns 1, having written nothing.
int runFileCommand(const StartOptions& options);
