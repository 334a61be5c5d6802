// Image loading. A raw image is some 400 KB, far too much to mutate and copy at the
// speed fuzzing needs, and nearly all of it is table contents that the loader copies
// whatever they hold. So an input is a list of changes to the demo image instead:
//
//   byte 0       bit 7 set: the image is cut short, to the length in bytes 1 to 3
//                (big-endian, taken modulo the image's length plus one); the changes
//                follow from byte 4 on, else from byte 1 on
//   4 bytes each r, o1, o2, v: byte v is written at
//                  r % 17 < 16:  stage bank r % 17, offset (o1 o2) & 0x1FFF; these banks
//                                hold every stage's tables, the tile-loading lists
//                                (bank 8) and the palette animations (bank 0)
//                  r % 17 == 16: file offset (r / 17) o1 o2, modulo the image's length
//
// Properties: a load either fills every table or fails with "not enough data in
// stream" and leaves the editor as it was. (Saving the loaded tables back is left to
// the tests: comparing images costs ten times the load.)

#include <cstring>
#include <optional>
#include <vector>

#include "demo/demo_image.h"
#include "file/stream_error.h"
#include "fuzz/fuzz_target.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "rom/rom_layout.h"
#include "rom/save_rom.h"

namespace L = rom_layout;

namespace {

constexpr std::uint8_t kCutFlag = 0x80;
constexpr std::size_t kChangeSize = 4;
constexpr int kRegions = kStageCount + 1;

struct Change {
    std::size_t offset;
    std::uint8_t value;
};

std::vector<std::uint8_t> encodeChanges(std::optional<std::size_t> cut, const std::vector<Change>& changes)
{
    std::vector<std::uint8_t> out;
    const auto put = [&](std::size_t value) { out.push_back(std::uint8_t(value)); };
    put(cut ? kCutFlag : 0);
    if (cut) {
        put(*cut >> 16);
        put(*cut >> 8);
        put(*cut);
    }
    for (const Change& change : changes) {
        put(kStageCount + kRegions * (change.offset >> 16));
        put(change.offset >> 8);
        put(change.offset);
        put(change.value);
    }
    return out;
}

// The demo image, changed in place while an input runs and put back afterwards.
std::vector<std::uint8_t>& workImage()
{
    static auto* image = new std::vector<std::uint8_t>(makeDemoImage());
    return *image;
}

EDITOR& fuzzEditor()
{
    static EDITOR* editor = new EDITOR;
    return *editor;
}

// The tables of the last load that succeeded, to compare a failed load against.
std::vector<std::uint8_t>& lastLoaded()
{
    static auto* tables = new std::vector<std::uint8_t>(editableTables(fuzzEditor()));
    return *tables;
}

void loadAndCheck(std::span<const std::uint8_t> image)
{
    EDITOR& editor = fuzzEditor();
    try {
        loadRomImage(editor, image);
    } catch (const StreamError& error) {
        fuzzRequire(std::strcmp(error.what(), "not enough data in stream") == 0, "a load fails with another text");
        fuzzRequire(firstTableDifference(editor, lastLoaded()) == editableTablesSize(),
                    "a failed load changed the editor");
        return;
    }
    copyEditableTables(editor, lastLoaded());
}

}  // namespace

std::vector<FuzzSeed> fuzzSeeds()
{
    const std::vector<std::uint8_t> demo = makeDemoImage();
    std::vector<FuzzSeed> seeds{{"demo", encodeChanges(std::nullopt, {})}};

    // What Save writes after a few edits, as its changes to the demo image.
    EDITOR editor;
    loadRomImage(editor, demo);
    editor.pageSet[3][5] ^= 0x11;
    editor.object[0][0].page = 0xFF;
    editor.chip[7][9].palette = 2;
    editor.mapSet[15][31][63] = 0x80;
    std::vector<std::uint8_t> saved = demo;
    writeEditableTables(editor, saved);
    std::vector<Change> changes;
    for (std::size_t i = 0; i < saved.size(); ++i)
        if (saved[i] != demo[i])
            changes.push_back({i, saved[i]});
    seeds.push_back({"saved-after-edits", encodeChanges(std::nullopt, changes)});

    // A tile-loading list and an animation that run past the end, and cuts inside the
    // stage tables, inside the tile lists and inside the tiles.
    const std::size_t end = demo.size();
    seeds.push_back(
        {"list-out-of-bank",
         encodeChanges(std::nullopt, {{L::kTileListPointerHigh + 4, 0x1F}, {L::kTileListPointerLow + 4, 0xFE}})});
    seeds.push_back({"animation-of-256-frames",
                     encodeChanges(std::nullopt, {{L::kAnimationPointerHigh, 0x1F}, {L::kAnimationPointerLow, 0xF0}})});
    for (const std::size_t cut : {L::kSavedTablesEnd, L::kStageTablesEnd, L::kTileListPointerLow + 8, end - 1})
        seeds.push_back({"cut-at-" + std::to_string(cut), encodeChanges(cut, {})});
    return seeds;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t>& image = workImage();
    const std::size_t length = image.size();
    std::size_t at = 0;
    std::size_t cut = length;
    if (size > 0 && (data[0] & kCutFlag)) {
        if (size < 4)
            return 0;
        cut = (std::size_t(data[1]) << 16 | std::size_t(data[2]) << 8 | data[3]) % (length + 1);
        at = 4;
    } else if (size > 0) {
        at = 1;
    }

    std::vector<Change> undo;
    for (; at + kChangeSize <= size; at += kChangeSize) {
        const int region = data[at] % kRegions;
        const std::size_t within = std::size_t(data[at + 1]) << 8 | data[at + 2];
        const std::size_t offset = region < kStageCount ? L::stageBase(region) + (within & (L::kBankSize - 1))
                                                        : (std::size_t(data[at] / kRegions) << 16 | within) % length;
        undo.push_back({offset, image[offset]});
        image[offset] = data[at + 3];
    }
    loadAndCheck(std::span(image.data(), cut));
    for (auto change = undo.rbegin(); change != undo.rend(); ++change)
        image[change->offset] = change->value;
    return 0;
}
