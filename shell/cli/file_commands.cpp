#include "shell/cli/file_commands.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>

#include <QCoreApplication>
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
#include "text/translation.h"

namespace {

constexpr const char* kCommandOptions[] = {"--make-patch",        "--apply-patch",       "--info",
                                           "--export-stage-data", "--import-stage-data", "--changes"};

// A stage as the editor shows it: its one hexadecimal digit.
std::string stageDigit(int stage)
{
    return std::string(1, "0123456789ABCDEF"[stage & 0xF]);
}

std::string exportStageData(const std::string& imagePath, const FileCommand& command)
{
    const int stage = stageArgument(command.value);
    refuseOverInput(command.stageFile, imagePath);
    const std::string text = writeStageFile(stageDataOf(*loadedImage(imagePath), stage), stage);
    writeOutputFile(command.stageFile, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return fillIn(QCoreApplication::translate("file_commands", "stage %1 written to %2").toStdString(),
                  {stageDigit(stage), readableName(command.stageFile)});
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
    return fillIn(QCoreApplication::translate("file_commands", "stage %1 of %2 written into a copy of the image, %3")
                      .toStdString(),
                  {stageDigit(stage), readableName(command.stageFile), readableName(command.output)});
}

std::string makePatch(const std::string& image, const FileCommand& command)
{
    const PatchWritten written = makePatchFile(image, command.value, command.output);
    return fillIn(QCoreApplication::translate("file_commands", "%1 patch written to %2: %3 bytes for %4 changed bytes")
                      .toStdString(),
                  {patchFormatName(written.format), readableName(command.output), std::to_string(written.patchSize),
                   std::to_string(written.changedBytes)});
}

std::string applyPatch(const std::string& image, const FileCommand& command)
{
    const PatchApplied applied = applyPatchFile(image, command.value, command.output);
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08" PRIX32, applied.crc32);
    return fillIn(
        QCoreApplication::translate("file_commands", "%1 patch applied, image written to %2: %3 bytes, CRC32 %4")
            .toStdString(),
        {patchFormatName(applied.format), readableName(command.output), std::to_string(applied.size), crc});
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
        original =
            OriginalForReport{*command.against, originalBytes,
                              QCoreApplication::translate("file_commands", "given with --against").toStdString()};
    } else if (RememberedOriginal remembered = findRememberedOriginal(imagePath);
               remembered.status == RememberedOriginal::Status::Found) {
        originalBytes = std::move(remembered.bytes);
        original =
            OriginalForReport{remembered.path, originalBytes,
                              QCoreApplication::translate("file_commands", "remembered by Ctrl+E").toStdString()};
    }
    std::string report = imageReport(image, original);
    report.pop_back();  // the line end comes with the printing
    return report;
}

}  // namespace

FileCommandArguments::FileCommandArguments(QCommandLineParser& parser)
    : makePatch_("make-patch",
                 QCoreApplication::translate(
                     "file_commands",
                     "Write a patch that turns <original> into the ROM image, to the file given after it, and end: "
                     "IMAGE --make-patch ORIGINAL OUT.bps (or OUT.ips); the name's ending chooses the format."),
                 "original")
    , applyPatch_("apply-patch",
                  QCoreApplication::translate(
                      "file_commands",
                      "Apply <patch> (BPS or IPS) to the ROM image and write the result to the file given after it, "
                      "and end: ORIGINAL --apply-patch PATCH OUT.nes."),
                  "patch")
    , info_("info",
            QCoreApplication::translate(
                "file_commands",
                "Print the ROM image's size, header, CRC32 and SHA-1 (with and without the header), whether its stage "
                "tables load, and which stages' tables differ from its original, and end."))
    , against_(
          "against",
          QCoreApplication::translate(
              "file_commands", "With --info: compare with <original> instead of the original remembered by Ctrl+E."),
          "original")
    , exportStageData_("export-stage-data",
                       QCoreApplication::translate(
                           "file_commands",
                           "Write the tables of stage <S> (pages, map sets, chip sets, chips, objects) as a JSON stage "
                           "file to the file given after it, and end: IMAGE --export-stage-data S FILE.json."),
                       "S")
    , importStageData_(
          "import-stage-data",
          QCoreApplication::translate("file_commands",
                                      "Write a copy of the ROM image with stage <S> replaced by a stage file, and end: "
                                      "IMAGE --import-stage-data S FILE.json OUT.nes."),
          "S")
    , changes_("changes",
               QCoreApplication::translate(
                   "file_commands",
                   "Print what differs between the ROM image's stages and those of <original>, one change a line, "
                   "and end: IMAGE --changes ORIGINAL."),
               "original")
    , json_("json",
            QCoreApplication::translate(
                "file_commands",
                "With --changes: print the changes as a JSON array (stage, table, place, old, new, count)."))
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
        return QCoreApplication::translate("file_commands", "--json goes with --changes").toStdString();
    if (!make && !apply && !info && !exportStage && !importStage && !changes) {
        if (parser.isSet(against_))
            return QCoreApplication::translate("file_commands", "--against goes with --info").toStdString();
        return std::nullopt;
    }
    if (int(make) + int(apply) + int(info) + int(exportStage) + int(importStage) + int(changes) > 1)
        return QCoreApplication::translate(
                   "file_commands",
                   "give one of --make-patch, --apply-patch, --info, --export-stage-data, --import-stage-data and "
                   "--changes")
            .toStdString();
    for (const char* other : {"screenshot", "view", "report-first-frame", "export-stage", "export-all"})
        if (parser.isSet(other))
            return fillIn(QCoreApplication::translate("file_commands",
                                                      "--make-patch, --apply-patch, --info and the stage files open no "
                                                      "window and write no picture: leave out --%1")
                              .toStdString(),
                          {other});
    if (info) {
        if (positional.size() > 1)
            return QCoreApplication::translate("file_commands", "--info takes one ROM image").toStdString();
        FileCommand command;
        command.kind = FileCommand::Kind::Info;
        if (parser.isSet(against_))
            command.against = argumentBytes(parser.value(against_));
        options.fileCommand = command;
        return std::nullopt;
    }
    if (parser.isSet(against_))
        return QCoreApplication::translate("file_commands", "--against goes with --info").toStdString();
    if (changes) {
        if (positional.size() > 1)
            return QCoreApplication::translate("file_commands",
                                               "--changes takes the image and its original: IMAGE --changes ORIGINAL")
                .toStdString();
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
            return exportStage
                ? QCoreApplication::translate("file_commands",
                                              "--export-stage-data takes the image, a stage and the stage file: "
                                              "IMAGE --export-stage-data S FILE.json")
                      .toStdString()
                : QCoreApplication::translate(
                      "file_commands",
                      "--import-stage-data takes the image, a stage, the stage file and the file to "
                      "write: IMAGE --import-stage-data S FILE.json OUT.nes")
                      .toStdString();
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
        return make
            ? QCoreApplication::translate("file_commands",
                                          "--make-patch takes the modified image, the original and the patch file: "
                                          "MODIFIED --make-patch ORIGINAL OUT.bps")
                  .toStdString()
            : QCoreApplication::translate("file_commands",
                                          "--apply-patch takes the original image, the patch and the file to write: "
                                          "ORIGINAL --apply-patch PATCH OUT.nes")
                  .toStdString();
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
    QString failure;
    switch (command.kind) {
    case FileCommand::Kind::MakePatch:
        failure = QCoreApplication::translate("file_commands", "cannot make the patch: %1");
        break;
    case FileCommand::Kind::ApplyPatch:
        failure = QCoreApplication::translate("file_commands", "cannot apply the patch: %1");
        break;
    case FileCommand::Kind::Info:
        failure = QCoreApplication::translate("file_commands", "cannot tell what the image is: %1");
        break;
    case FileCommand::Kind::ExportStageData:
        failure = QCoreApplication::translate("file_commands", "cannot export the stage: %1");
        break;
    case FileCommand::Kind::ImportStageData:
        failure = QCoreApplication::translate("file_commands", "cannot import the stage: %1");
        break;
    case FileCommand::Kind::Changes:
        failure = QCoreApplication::translate("file_commands", "cannot list the changes: %1");
        break;
    }
    try {
        if (!options.romPath && !(options.demo && command.kind == FileCommand::Kind::Info))
            throw std::runtime_error(
                QCoreApplication::translate("file_commands", "name the ROM image first").toStdString());
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
        std::printf("%s\n", fillIn(failure.toStdString(), {error.what()}).c_str());
        std::fflush(stdout);
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
