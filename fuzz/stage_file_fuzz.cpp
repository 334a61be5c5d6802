// The stage-file reader on any text: it refuses with a reason naming the fault, or it
// gives tables within the editor's ranges that write back as a file it reads the same.

#include <cstring>
#include <string_view>
#include <vector>

#include "demo/demo_image.h"
#include "fuzz/fuzz_target.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "stagefile/stage_file.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    EDITOR editor;
    loadRomImage(editor, makeDemoImage());
    const std::string text = writeStageFile(stageDataOf(editor, 3), 3);
    return {{"stage-3", {text.begin(), text.end()}}};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    StageData read;
    try {
        read = readStageFile(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const StageFileError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
        return 0;
    }
    for (const ChipRecord& chip : read.chip)
        fuzzRequire(chip.palette < 4 && (chip.style & 3) == 0, "a chip out of range accepted");
    const StageData again = readStageFile(writeStageFile(read, 0));
    fuzzRequire(std::memcmp(&again, &read, sizeof read) == 0, "accepted tables do not write back as themselves");
    return 0;
}
