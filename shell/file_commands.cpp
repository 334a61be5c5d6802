#include "shell/file_commands.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>

#include <QFile>

#include "jcode/readable_name.h"
#include "patch/patch_files.h"
#include "shell/argument_bytes.h"
#include "shell/command_line.h"

namespace {

constexpr const char* kCommandOptions[] = {"--make-patch", "--apply-patch"};

std::string makePatch(const std::string& image, const FileCommand& command)
{
    const PatchWritten written = makePatchFile(image, command.value, command.output);
    char line[512];
    std::snprintf(line, sizeof line, "%s patch written to %s: %zu bytes for %zu changed bytes",
                  patchFormatName(written.format), readableName(command.output).c_str(), written.patchSize,
                  written.changedBytes);
    return line;
}

std::string applyPatch(const std::string& image, const FileCommand& command)
{
    const PatchApplied applied = applyPatchFile(image, command.value, command.output);
    char line[512];
    std::snprintf(line, sizeof line, "%s patch applied, image written to %s: %zu bytes, CRC32 %08" PRIX32,
                  patchFormatName(applied.format), readableName(command.output).c_str(), applied.size,
                  applied.crc32);
    return line;
}

}  // namespace

FileCommandArguments::FileCommandArguments(QCommandLineParser& parser)
    : makePatch_("make-patch",
                 "Write a patch that turns <original> into the ROM image, to the file given after it, and end: "
                 "IMAGE --make-patch ORIGINAL OUT.bps (or OUT.ips); the name's ending chooses the format.",
                 "original")
    , applyPatch_("apply-patch",
                  "Apply <patch> (BPS or IPS) to the ROM image and write the result to the file given after it, "
                  "and end: ORIGINAL --apply-patch PATCH OUT.nes.",
                  "patch")
{
    parser.addOptions({makePatch_, applyPatch_});
}

std::optional<std::string> FileCommandArguments::read(const QCommandLineParser& parser, QStringList& positional,
                                                      StartOptions& options) const
{
    const bool make = parser.isSet(makePatch_);
    const bool apply = parser.isSet(applyPatch_);
    if (!make && !apply)
        return std::nullopt;
    if (make && apply)
        return "give either --make-patch or --apply-patch, not both";
    for (const char* other : {"screenshot", "view", "report-first-frame", "export-stage", "export-all"})
        if (parser.isSet(other))
            return "--make-patch and --apply-patch open no window and write no picture: leave out --" +
                   std::string(other);
    if (positional.size() != 2)
        return make ? "--make-patch takes the modified image, the original and the patch file: "
                      "MODIFIED --make-patch ORIGINAL OUT.bps"
                    : "--apply-patch takes the original image, the patch and the file to write: "
                      "ORIGINAL --apply-patch PATCH OUT.nes";
    FileCommand command;
    command.kind = make ? FileCommand::Kind::MakePatch : FileCommand::Kind::ApplyPatch;
    command.value = argumentBytes(parser.value(make ? makePatch_ : applyPatch_));
    command.output = argumentBytes(positional.takeLast());
    options.fileCommand = command;
    return std::nullopt;
}

bool asksForFileCommand(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : kCommandOptions) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

int runFileCommand(const StartOptions& options)
{
    const FileCommand& command = *options.fileCommand;
    const bool make = command.kind == FileCommand::Kind::MakePatch;
    try {
        if (!options.romPath)
            throw std::runtime_error("name the ROM image first");
        std::printf("%s\n", (make ? makePatch(*options.romPath, command) : applyPatch(*options.romPath, command)).c_str());
    } catch (const std::exception& error) {
        std::printf("%s: %s\n", make ? "cannot make the patch" : "cannot apply the patch", error.what());
        std::fflush(stdout);
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
