#include "shell/cli/file_commands.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include <QFile>

#include "file/file_access.h"
#include "identity/image_report.h"
#include "jcode/readable_name.h"
#include "model/editor.h"
#include "patch/patch_files.h"
#include "rom/save_rom.h"
#include "shell/cli/argument_bytes.h"
#include "shell/cli/changes_listing.h"
#include "shell/cli/command_inputs.h"
#include "shell/cli/command_line.h"
#include "shell/cli/demo_image_file.h"
#include "shell/cli/stage_number.h"
#include "stagefile/stage_file.h"
#include "state/remembered_original.h"

namespace {

constexpr const char* kCommandOptions[] = {"--make-patch",        "--apply-patch",       "--info",
                                           "--export-stage-data", "--import-stage-data", "--changes"};

std::string exportStageData(const std::string& imagePath, const FileCommand& command)
{
    const int stage = stageArgument(command.value);
    refuseOverInput(command.stageFile, imagePath);
    const std::string text = writeStageFile(stageDataOf(*loadedImage(imagePath), stage), stage);
    writeOutputFile(command.stageFile, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    char line[512];
    std::snprintf(line, sizeof line, "stage %X written to %s", unsigned(stage),
                  readableName(command.stageFile).c_str());
    return line;
}

std::string importStageData(const std::string& imagePath, const FileCommand& command)
{
    const int stage = stageArgument(command.value);
    refuseOverInput(command.output, imagePath);
    refuseOverInput(command.output, command.stageFile);
    const std::vector<std::uint8_t> file = readFileBytes(command.stageFile);
    const std::unique_ptr<EDITOR> editor = loadedImage(imagePath);
    const StageData data =
        readStageFile({reinterpret_cast<const char*>(file.data()), file.size()}, stageDataOf(*editor, stage));
    putStageData(*editor, stage, data);
    // Only that stage's tables change; every other byte stays as the file has it.
    std::vector<std::uint8_t> image = readFileBytes(imagePath);
    writeStageTables(*editor, stage, image);
    writeOutputFile(command.output, image);
    char line[768];
    std::snprintf(line, sizeof line, "stage %X of %s written into a copy of the image, %s", unsigned(stage),
                  readableName(command.stageFile).c_str(), readableName(command.output).c_str());
    return line;
}

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
                  patchFormatName(applied.format), readableName(command.output).c_str(), applied.size, applied.crc32);
    return line;
}

// The report of --info, compared with the original given or the one Ctrl+E remembers.
std::string imageInfo(const std::string& imagePath, const FileCommand& command)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(imagePath);
    ImageForReport image{imagePath, bytes, nullptr, {}};
    auto editor = std::make_unique<EDITOR>();
    try {
        editor->loadRom(imagePath);
        image.tables = editor.get();
    } catch (const std::exception& error) {
        image.loadError = error.what();
    }
    std::optional<OriginalForReport> original;
    std::vector<std::uint8_t> originalBytes;
    if (command.against) {
        originalBytes = readFileBytes(*command.against);
        original = OriginalForReport{*command.against, originalBytes, "given with --against"};
    } else if (RememberedOriginal remembered = findRememberedOriginal(imagePath);
               remembered.status == RememberedOriginal::Status::Found) {
        originalBytes = std::move(remembered.bytes);
        original = OriginalForReport{remembered.path, originalBytes, "remembered by Ctrl+E"};
    }
    std::string report = imageReport(image, original);
    report.pop_back();  // the line end comes with the printing
    return report;
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
    , info_("info",
            "Print the ROM image's size, header, CRC32 and SHA-1 (with and without the header), whether its stage "
            "tables load, and which stages' tables differ from its original, and end.")
    , against_("against", "With --info: compare with <original> instead of the original remembered by Ctrl+E.",
               "original")
    , exportStageData_("export-stage-data",
                       "Write the tables of stage <S> (pages, map sets, chip sets, chips, objects) as a JSON stage "
                       "file to the file given after it, and end: IMAGE --export-stage-data S FILE.json.",
                       "S")
    , importStageData_("import-stage-data",
                       "Write a copy of the ROM image with stage <S> replaced by a stage file, and end: "
                       "IMAGE --import-stage-data S FILE.json OUT.nes.",
                       "S")
    , changes_("changes",
               "Print what differs between the ROM image's stages and those of <original>, one change a line, "
               "and end: IMAGE --changes ORIGINAL.",
               "original")
    , json_("json", "With --changes: print the changes as a JSON array (stage, table, place, old, new, count).")
{
    parser.addOptions({makePatch_, applyPatch_, info_, against_, exportStageData_, importStageData_, changes_, json_});
}

std::optional<std::string> FileCommandArguments::read(const QCommandLineParser& parser, QStringList& positional,
                                                      StartOptions& options) const
{
    const bool make = parser.isSet(makePatch_);
    const bool apply = parser.isSet(applyPatch_);
    const bool info = parser.isSet(info_);
    const bool exportStage = parser.isSet(exportStageData_);
    const bool importStage = parser.isSet(importStageData_);
    const bool changes = parser.isSet(changes_);
    if (parser.isSet(json_) && !changes)
        return "--json goes with --changes";
    if (!make && !apply && !info && !exportStage && !importStage && !changes) {
        if (parser.isSet(against_))
            return "--against goes with --info";
        return std::nullopt;
    }
    if (int(make) + int(apply) + int(info) + int(exportStage) + int(importStage) + int(changes) > 1)
        return "give one of --make-patch, --apply-patch, --info, --export-stage-data, --import-stage-data and "
               "--changes";
    for (const char* other : {"screenshot", "view", "report-first-frame", "export-stage", "export-all"})
        if (parser.isSet(other))
            return "--make-patch, --apply-patch, --info and the stage files open no window and write no picture: "
                   "leave out --" +
                std::string(other);
    if (info) {
        if (positional.size() > 1)
            return "--info takes one ROM image";
        FileCommand command;
        command.kind = FileCommand::Kind::Info;
        if (parser.isSet(against_))
            command.against = argumentBytes(parser.value(against_));
        options.fileCommand = command;
        return std::nullopt;
    }
    if (parser.isSet(against_))
        return "--against goes with --info";
    if (changes) {
        if (positional.size() > 1)
            return "--changes takes the image and its original: IMAGE --changes ORIGINAL";
        FileCommand command;
        command.kind = FileCommand::Kind::Changes;
        command.value = argumentBytes(parser.value(changes_));
        command.json = parser.isSet(json_);
        options.fileCommand = command;
        return std::nullopt;
    }
    if (exportStage || importStage) {
        const qsizetype files = exportStage ? 1 : 2;
        if (positional.size() != files + 1)
            return exportStage ? "--export-stage-data takes the image, a stage and the stage file: "
                                 "IMAGE --export-stage-data S FILE.json"
                               : "--import-stage-data takes the image, a stage, the stage file and the file to "
                                 "write: IMAGE --import-stage-data S FILE.json OUT.nes";
        FileCommand command;
        command.kind = exportStage ? FileCommand::Kind::ExportStageData : FileCommand::Kind::ImportStageData;
        command.value = parser.value(exportStage ? exportStageData_ : importStageData_).toStdString();
        if (importStage)
            command.output = argumentBytes(positional.takeLast());
        command.stageFile = argumentBytes(positional.takeLast());
        options.fileCommand = command;
        return std::nullopt;
    }
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
    return namesAnyOption(argc, argv, kCommandOptions);
}

int runFileCommand(const StartOptions& options)
{
    const FileCommand& command = *options.fileCommand;
    const char* failure = "";
    switch (command.kind) {
    case FileCommand::Kind::MakePatch: failure = "cannot make the patch"; break;
    case FileCommand::Kind::ApplyPatch: failure = "cannot apply the patch"; break;
    case FileCommand::Kind::Info: failure = "cannot tell what the image is"; break;
    case FileCommand::Kind::ExportStageData: failure = "cannot export the stage"; break;
    case FileCommand::Kind::ImportStageData: failure = "cannot import the stage"; break;
    case FileCommand::Kind::Changes: failure = "cannot list the changes"; break;
    }
    try {
        if (!options.romPath && !(options.demo && command.kind == FileCommand::Kind::Info))
            throw std::runtime_error("name the ROM image first");
        const std::string image = options.romPath ? *options.romPath : writeDemoRom();
        switch (command.kind) {
        case FileCommand::Kind::MakePatch: std::printf("%s\n", makePatch(image, command).c_str()); break;
        case FileCommand::Kind::ApplyPatch: std::printf("%s\n", applyPatch(image, command).c_str()); break;
        case FileCommand::Kind::Info: std::printf("%s\n", imageInfo(image, command).c_str()); break;
        case FileCommand::Kind::ExportStageData: std::printf("%s\n", exportStageData(image, command).c_str()); break;
        case FileCommand::Kind::ImportStageData: std::printf("%s\n", importStageData(image, command).c_str()); break;
        case FileCommand::Kind::Changes:
            std::fputs(listChanges(image, command.value, command.json).c_str(), stdout);
            break;
        }
    } catch (const std::exception& error) {
        std::printf("%s: %s\n", failure, error.what());
        std::fflush(stdout);
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
