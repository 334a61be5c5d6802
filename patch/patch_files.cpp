#include "patch/patch_files.h"

#include <initializer_list>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "patch/crc32.h"
#include "patch/patch_error.h"
#include "text/translation.h"

namespace {

void refuseOverInput(const std::string& out, std::initializer_list<const std::string*> inputs)
{
    for (const std::string* input : inputs)
        if (isSameFile(out, *input))
            throw PatchError(
                fillIn(translated("patch_files", "the output '%1' is the input '%2': give another file to write"),
                       {readableName(out), readableName(*input)}));
}

}  // namespace

PatchWritten writePatchFile(std::span<const std::uint8_t> original, std::span<const std::uint8_t> modified,
                            const std::string& out)
{
    PatchWritten written;
    written.format = patchFormatForName(out);
    const std::vector<std::uint8_t> patch = makePatch(written.format, original, modified);
    writeOutputFile(out, patch);
    written.patchSize = patch.size();
    written.changedBytes = changedByteCount(original, modified);
    return written;
}

PatchWritten makePatchFile(const std::string& modifiedPath, const std::string& originalPath, const std::string& out)
{
    patchFormatForName(out);
    refuseOverInput(out, {&modifiedPath, &originalPath});
    const std::vector<std::uint8_t> modified = readFileBytes(modifiedPath);
    const std::vector<std::uint8_t> original = readFileBytes(originalPath);
    return writePatchFile(original, modified, out);
}

PatchApplied applyPatchFile(const std::string& originalPath, const std::string& patchPath, const std::string& out)
{
    refuseOverInput(out, {&originalPath, &patchPath});
    const std::vector<std::uint8_t> original = readFileBytes(originalPath);
    const std::vector<std::uint8_t> patch = readFileBytes(patchPath);
    PatchApplied applied;
    applied.format = patchFormatOf(patch);
    const std::vector<std::uint8_t> image = applyPatch(original, patch);
    writeOutputFile(out, image);
    applied.size = image.size();
    applied.crc32 = crc32Of(image);
    return applied;
}
