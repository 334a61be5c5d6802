// The recovery file reader on any bytes: it either gives back a file whose tables the
// editor can take, or refuses with one of its own reasons. The check sum at the end
// would turn away nearly every changed input before the fields behind it are read,
// so each input is also tried with its check sum made right.

#include <vector>

#include "demo/demo_image.h"
#include "fuzz/fuzz_target.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/stable_hash.h"
#include "rom/load_rom.h"
#include "state/recovery_file.h"

namespace {

// An absolute name of no file, so that no link has to be resolved.
constexpr const char* kImagePath = "/nonexistent/quarrix-fuzz/game.nes";
constexpr std::size_t kCheckSumSize = 8;

void decodeAndRestore(std::span<const std::uint8_t> bytes)
{
    static EDITOR* editor = new EDITOR;
    RecoveryFile file;
    try {
        file = decodeRecoveryFile(bytes, kImagePath);
    } catch (const RecoveryError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
        return;
    }
    // All the tables, or those of the versions before the tiles and before the palette sets.
    const std::size_t tables = editableTableList().size();
    fuzzRequire(file.tables.size() == editableTablesSize() || file.tables.size() == editableTablesSize(tables - 1) ||
                    file.tables.size() == editableTablesSize(tables - 2),
                "tables of the wrong size accepted");
    fuzzRequire(encodeRecoveryFile(file) == std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
                "an accepted file does not encode back to itself");
    restoreEditableTables(*editor, file.tables);
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    EDITOR editor;
    loadRomImage(editor, makeDemoImage());
    RecoveryFile file;
    file.imagePath = kImagePath;
    file.writtenAtMs = 1765161600000;
    file.baseTablesHash = stableHash(editableTables(editor));
    editor.pageSet[2][7] = 0x1F;
    editor.object[4][3].x = 0x99;
    file.tables = editableTables(editor);
    std::vector<FuzzSeed> seeds{{"kept-edits", encodeRecoveryFile(file)}};
    file.imagePath = "/another/image.nes";
    seeds.push_back({"kept-edits-of-another-image", encodeRecoveryFile(file)});
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    decodeAndRestore(bytes);
    if (size < kCheckSumSize)
        return 0;
    std::vector<std::uint8_t> summed(bytes.begin(), bytes.end());
    const std::uint64_t sum = stableHash(bytes.first(size - kCheckSumSize));
    for (std::size_t i = 0; i < kCheckSumSize; ++i)
        summed[size - kCheckSumSize + i] = std::uint8_t(sum >> (8 * i));
    decodeAndRestore(summed);
    return 0;
}
