#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "file/file_access.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/byte_reader.h"
#include "rom/load_rom.h"
#include "rom/player_program.h"
#include "rom/rom_layout.h"
#include "text/translation.h"

namespace L = rom_layout;

namespace {

// Everything a load fills, gathered away from the editor so that a load that fails
// half-way leaves the editor exactly as it was.
struct LoadedTables {
    // Each stage's editable tables, as copyStageTables lays them out.
    std::vector<std::uint8_t> stageTables[kStageCount];
    std::uint8_t tileGfx[kStageCount][kTileCount][kTileBytes];
    TileSources tileSources;
    struct Animation {
        std::vector<ColourTriple> frames;
        std::uint8_t delay = 0;
    } animation[kPaletteAnimationCount];
};

std::string stageName(int s)
{
    return std::string(1, "0123456789ABCDEF"[s & 0xF]);
}

// What a stage's table is called where a tile's bytes also hold it.
std::string stageTableText(int s, const char* table)
{
    static constexpr std::pair<std::string_view, const char*> kTexts[] = {
        {"pages", TEXT_NOOP("load_rom", "stage %1's pages")},
        {"map sets", TEXT_NOOP("load_rom", "stage %1's map sets")},
        {"chip sets", TEXT_NOOP("load_rom", "stage %1's chip sets")},
        {"chips", TEXT_NOOP("load_rom", "stage %1's chips")},
        {"objects", TEXT_NOOP("load_rom", "stage %1's objects")},
        {"palette sets", TEXT_NOOP("load_rom", "stage %1's palette sets")},
        {"tiles", TEXT_NOOP("load_rom", "stage %1's tiles")},
    };
    for (const auto& [name, text] : kTexts)
        if (name == table)
            return fillIn(translated("load_rom", text), {stageName(s)});
    return "stage " + stageName(s) + "'s " + table;
}

void reserve(LoadedTables& t, std::size_t first, std::size_t end, std::string what)
{
    t.tileSources.reserved.push_back({std::uint32_t(first), std::uint32_t(end), std::move(what)});
}

// The editable tables of a stage, each read from where the list of tables places it.
void readEditableTables(ByteReader& in, int s, LoadedTables& t)
{
    std::uint8_t bank[L::kStageTablesSpan] = {};
    for (const EditableTable& table : editableTableList())
        for (const BankRun& run : table.runs) {
            in.seek(L::stageBase(s) + run.offset);
            in.read(std::span(bank + run.offset, run.size));
            reserve(t, L::stageBase(s) + run.offset, L::stageBase(s) + run.offset + run.size,
                    stageTableText(s, table.name));
        }
    t.stageTables[s].resize(stageTablesSize());
    readStageFromBank(bank, t.stageTables[s]);
}

void readTileList(ByteReader& in, int s, LoadedTables& t)
{
    in.seek(L::kTileListPointerLow + std::size_t(s));
    const std::uint8_t low = in.readByte();
    in.seek(L::kTileListPointerHigh + std::size_t(s));
    const std::uint8_t high = in.readByte();

    const std::size_t list = L::pointerTarget(L::kTileListBank, low, high);
    std::size_t entry = list + L::kTileListSkipped;
    for (;; entry += L::kTileListEntrySize) {
        in.seek(entry);
        const std::uint8_t bank = in.readByte();
        const std::uint8_t count = in.readByte();
        const std::uint8_t page = in.readByte();
        const std::uint8_t start = in.readByte();
        if (bank == L::kTileListEnd)
            break;
        // Later entries overwrite earlier ones; nothing is copied beyond tile 255.
        const int first = start * L::kTilesPerListStart;
        const int end = std::min(kTileCount, (start + count) * L::kTilesPerListStart);
        if (first >= end)
            continue;
        // The tiles lie one after another in the image as in the model: one read.
        in.seek(L::tileSource(bank, page));
        auto* tiles = reinterpret_cast<std::uint8_t*>(&t.tileGfx[s]);
        in.read(std::span(tiles + std::size_t(first) * kTileBytes, std::size_t(end - first) * kTileBytes));
        for (int tile = first; tile < end; ++tile)
            t.tileSources.offset[s][tile] =
                std::uint32_t(L::tileSource(bank, page) + std::size_t(tile - first) * kTileBytes);
    }
    reserve(t, list, entry + L::kTileListEntrySize,
            fillIn(translated("load_rom", "the tile-loading list of stage %1"), {stageName(s)}));
}

void readStage(ByteReader& in, int s, LoadedTables& t)
{
    readEditableTables(in, s, t);
    readTileList(in, s, t);
}

void readAnimation(ByteReader& in, int a, LoadedTables& t)
{
    LoadedTables::Animation& animation = t.animation[a];
    in.seek(L::kAnimationPointerLow + std::size_t(a));
    const std::uint8_t low = in.readByte();
    in.seek(L::kAnimationPointerHigh + std::size_t(a));
    const std::uint8_t high = in.readByte();

    const std::size_t record = L::pointerTarget(L::kAnimationBank, low, high);
    in.seek(record);
    const int frameCount = in.readByte() + 1;
    reserve(t, record, record + 2 + std::size_t(frameCount),
            fillIn(translated("load_rom", "palette animation %1"), {std::to_string(a)}));
    animation.delay = in.readByte();
    std::uint8_t tripleNumbers[256];
    in.read(std::span(tripleNumbers, std::size_t(frameCount)));
    animation.frames.resize(std::size_t(frameCount));
    for (int f = 0; f < frameCount; ++f) {
        in.seek(L::colourTriple(tripleNumbers[f]));
        in.read(animation.frames[std::size_t(f)]);
    }
}

// The header and the shared tables whose places do not depend on what the image holds.
void reserveSharedTables(LoadedTables& t)
{
    const std::string listPointers = translated("load_rom", "the pointers to the tile-loading lists");
    const std::string animationPointers = translated("load_rom", "the pointers to the palette animations");
    reserve(t, 0, L::kHeaderSize, translated("load_rom", "the cartridge header"));
    reserve(t, L::kTileListPointerLow, L::kTileListPointerLow + kStageCount, listPointers);
    reserve(t, L::kTileListPointerHigh, L::kTileListPointerHigh + kStageCount, listPointers);
    reserve(t, L::kAnimationPointerLow, L::kAnimationPointerLow + kPaletteAnimationCount, animationPointers);
    reserve(t, L::kAnimationPointerHigh, L::kAnimationPointerHigh + kPaletteAnimationCount, animationPointers);
    reserve(t, L::kColourTriples, L::colourTriple(255) + 3,
            translated("load_rom", "the colour triples of the palette animations"));
}

// Nothing here can fail, so the editor changes all at once or not at all.
void commit(LoadedTables& t, EDITOR& e) noexcept
{
    for (int s = 0; s < kStageCount; ++s)
        restoreStageTables(e, s, t.stageTables[s]);
    std::memcpy(e.tileGfx, t.tileGfx, sizeof e.tileGfx);
    std::memcpy(e.tileSources.offset, t.tileSources.offset, sizeof e.tileSources.offset);
    std::memcpy(e.tileSources.reservedBy, t.tileSources.reservedBy, sizeof e.tileSources.reservedBy);
    e.tileSources.reserved.swap(t.tileSources.reserved);
    for (int a = 0; a < kPaletteAnimationCount; ++a) {
        PaletteAnimation& animation = e.palAnim[a];
        animation.frames.swap(t.animation[a].frames);
        animation.delay = t.animation[a].delay;
        // The counter and the frame run on across a reload, but the frame must stay
        // a valid index if the file now has fewer frames.
        if (animation.frame >= animation.frames.size())
            animation.frame = 0;
    }
}

}  // namespace

void loadRomImage(EDITOR& editor, std::span<const std::uint8_t> image)
{
    ByteReader in(image);

    auto loaded = std::make_unique<LoadedTables>();
    // Tiles that no list names keep what they held.
    std::memcpy(loaded->tileGfx, editor.tileGfx, sizeof editor.tileGfx);

    for (int s = 0; s < kStageCount; ++s)
        readStage(in, s, *loaded);
    for (int a = 0; a < kPaletteAnimationCount; ++a)
        readAnimation(in, a, *loaded);
    reserveSharedTables(*loaded);
    if (const std::optional<std::size_t> player = findPlayerProgram(image))
        reserve(*loaded, *player, image.size(), translated("load_rom", "the stage player program"));
    loaded->tileSources.findReservedSources();

    commit(*loaded, editor);
}

void EDITOR::loadRom(const std::string& fileName)
{
    // The whole file: tile sources lie below 2 MB, but a list runs on until its end
    // marker, however far into the file that is.
    loadRomImage(*this, readFileBytes(fileName));
    removeSaveLeftovers(fileName);
}
