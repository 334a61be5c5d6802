#pragma once

// Pictures of whole stages written from the command line, without a window.

#include <functional>
#include <optional>
#include <string>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include "shell/cli/command_line.h"

class EDITOR;

// The options that ask for pictures: --export-stage S OUT.png, --export-all FOLDER, and
// --palette K and --objects with either.
class ExportArguments {
public:
    // Adds the options to parser, before it parses.
    explicit ExportArguments(QCommandLineParser& parser);

    // Fills options.exportPictures from the parsed command line and takes the picture
    // file of --export-stage off the end of positional. Returns what is wrong with the
    // command line, if anything.
    std::optional<std::string> read(const QCommandLineParser& parser, QStringList& positional,
                                    StartOptions& options) const;

private:
    QCommandLineOption exportStage_;
    QCommandLineOption exportAll_;
    QCommandLineOption palette_;
    QCommandLineOption objects_;
};

// Whether the arguments ask for pictures only. Decided before the toolkit starts, so
// that such a run needs no display.
bool asksForPicturesOnly(int argc, char* argv[]);

// Loads the image that options name (or the demo image) and writes the pictures that
// options.exportPictures asks for. Errors are printed on standard output; nothing is
// left half-written. Returns the exit code: 0, or 1 after an error.
int exportPictures(const StartOptions& options);

// Writes the picture and the chip, chip-set and tile sheets of every stage of editor
// into the folder target (made if missing), drawn in paletteSet, as --export-all does;
// stageDone hears of each stage once its files are written. Returns how many files
// were written. An error is raised once the stages under way are written, so that no
// file is left half-made. The editor's selections and surfaces are used for drawing.
int writeEveryStagePicture(EDITOR& editor, const std::string& target, bool withObjects, int paletteSet,
                           const std::function<void(int stage)>& stageDone);
