#pragma once

// Commands that work on files and end, without a window: patches made and applied,
// what an image is, and stage files written and read.

#include <optional>
#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

struct StartOptions;

// What such a command asks for. The ROM image it works on is StartOptions::romPath.
struct FileCommand {
    enum class Kind { MakePatch, ApplyPatch, Info, ExportStageData, ImportStageData, Changes };
    Kind kind = Kind::MakePatch;
    // The original of --make-patch and --changes, the patch of --apply-patch, the stage of
    // --export-stage-data and --import-stage-data.
    std::string value;
    std::string stageFile;               // the stage file of --export-stage-data and --import-stage-data
    std::string output;                  // the file the command writes
    std::optional<std::string> against;  // the original that --info compares with
    bool json = false;                   // --changes as JSON
};

// The options: IMAGE --make-patch ORIGINAL OUT.bps|OUT.ips,
// IMAGE --apply-patch PATCH OUT.nes, IMAGE --info [--against ORIGINAL],
// IMAGE --export-stage-data S FILE.json, IMAGE --import-stage-data S FILE.json OUT.nes
// and IMAGE --changes ORIGINAL [--json].
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
    QCommandLineOption info_;
    QCommandLineOption against_;
    QCommandLineOption exportStageData_;
    QCommandLineOption importStageData_;
    QCommandLineOption changes_;
    QCommandLineOption json_;
};

// Whether the arguments ask for such a command. Decided before the toolkit starts, so
// that the run needs no display.
bool asksForFileCommand(int argc, char* argv[]);

// Runs options.fileCommand: prints one line that says what was written (for --info,
// the report; for --changes, the list) and returns 0, or prints what went wrong and returns 1, having written
// nothing.
int runFileCommand(const StartOptions& options);
