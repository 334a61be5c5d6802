#include "demo/demo_image.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "demo/demo_art.h"
#include "demo/stage_player.h"
#include "file/file_access.h"
#include "memory/fresh_pages.h"
#include "model/stage_records.h"
#include "rom/rom_layout.h"

namespace L = rom_layout;

namespace {

// The image is 32 units of 16 KB after the header: banks 0x00 to 0x3F. The tiles live
// in banks 0x10 (shared by all stages) and 0x11 to 0x18 (two stages per bank); the
// stage player ends the last bank, which the console always maps. Emulators round
// program data up to a power of two, so a shorter image would lose that bank.
constexpr unsigned kBankCount = 0x40;
constexpr unsigned kCommonTileBank = 0x10;
constexpr unsigned kFirstStageTileBank = 0x11;
constexpr std::size_t kTileListsAt = 0x515F0;   // bank 0x28, after stage 8's tables
constexpr std::size_t kTileListSpacing = 0x14;  // 8 unread bytes, 2 entries, the end
constexpr std::size_t kAnimationsAt = 0x415F0;  // bank 0x20, after stage 0's tables

// Stage art (arts 16 to 63) fills tiles 0x40 to 0xFF from this page of its bank.
constexpr std::uint8_t stageTilePage(int stage)
{
    return std::uint8_t((stage % 2) * 0x10);
}
constexpr std::uint8_t stageTileBank(int stage)
{
    return std::uint8_t(kFirstStageTileBank + stage / 2);
}

// Chip sets of the level builder.
enum ChipSetNumber : std::uint8_t {
    kSkyBlock = 0,
    kGroundFill = 1,
    kGroundTop = 2,
    kWallBlock = 3,
    kLadder = 4,
    kLadderInGround = 5,
    kLiquidTop = 6,
    kLiquidFill = 7,
    kPlatform = 8,
    kCloud = 9,
    kStars = 10,
    kPillar = 11,
    kBackWall = 12,
    kBackWindow = 13,
    kSpikes = 14,
    kCrate = 15,
    kFence = 16,
    kChain = 17,
    kDoor = 18,
    kPipeUp = 19,
    kPipeAcross = 20,
    kCrackedFill = 21,
    kLadderOnBackWall = 22,
    kLadderToPlatform = 23,
    kFirstDecorSet = 24,
};

// A fixed-seed generator: the image must come out the same on every run.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    int below(int n)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return int((state_ >> 8) % std::uint32_t(n));
    }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint32_t state_;
};

class ImageWriter {
public:
    explicit ImageWriter(std::size_t size) { assignMapped<std::uint8_t>(bytes_, size, 0); }
    void put(std::size_t offset, std::span<const std::uint8_t> values)
    {
        std::copy(values.begin(), values.end(), bytes_.begin() + std::ptrdiff_t(offset));
    }
    void put(std::size_t offset, std::initializer_list<std::uint8_t> values)
    {
        put(offset, std::span(values.begin(), values.size()));
    }
    // Stores the pointer to `target` (inside `bank`) as entry `index` of a pair of
    // low and high byte tables.
    void pointer(std::size_t lowTable, std::size_t highTable, int index, unsigned bank, std::size_t target)
    {
        const std::size_t inBank = target - L::bankStart(bank);
        bytes_[lowTable + std::size_t(index)] = std::uint8_t(inBank & 0xFF);
        bytes_[highTable + std::size_t(index)] = std::uint8_t(inBank >> 8);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// --- Tiles ------------------------------------------------------------------------------

// The four tiles of a 16 x 16 art: top-left, top-right, bottom-left, bottom-right.
std::array<std::uint8_t, 64> encodeArt(const Art& art)
{
    std::array<std::uint8_t, 64> tiles{};
    for (int q = 0; q < 4; ++q)
        for (int row = 0; row < 8; ++row) {
            std::uint8_t plane0 = 0;
            std::uint8_t plane1 = 0;
            for (int col = 0; col < 8; ++col) {
                const std::uint8_t v = art[std::size_t((q >> 1) * 8 + row)][std::size_t((q & 1) * 8 + col)];
                plane0 |= std::uint8_t((v & 1) << (7 - col));
                plane1 |= std::uint8_t(((v >> 1) & 1) << (7 - col));
            }
            tiles[std::size_t(q * 16 + row)] = plane0;
            tiles[std::size_t(q * 16 + 8 + row)] = plane1;
        }
    return tiles;
}

void writeTiles(ImageWriter& image)
{
    // Shared art 0 to 31 (tiles 0x00 to 0x7F). Arts 16 to 31 are a plain brick set
    // that every stage's own art replaces.
    for (int k = 0; k < 32; ++k)
        image.put(L::bankStart(kCommonTileBank) + std::size_t(k) * 64, encodeArt(drawArt(k, kPlainTheme)));
    for (int s = 0; s < kStageCount; ++s) {
        const std::size_t source = L::tileSource(stageTileBank(s), stageTilePage(s));
        for (int k = 16; k < 64; ++k)
            image.put(source + std::size_t(k - 16) * 64, encodeArt(drawArt(k, stageTheme(s))));
    }
}

void writeTileList(ImageWriter& image, int s)
{
    const std::size_t list = kTileListsAt + std::size_t(s) * kTileListSpacing;
    image.pointer(L::kTileListPointerLow, L::kTileListPointerHigh, s, L::kTileListBank, list);
    image.put(list, {'T', 'I', 'L', 'E', 'S', 0, 0, std::uint8_t(s)});  // not read
    image.put(list + 8, {std::uint8_t(kCommonTileBank), 8, 0, 0});      // tiles 0x00 to 0x7F
    image.put(list + 12, {stageTileBank(s), 12, stageTilePage(s), 4});  // 0x40 to 0xFF, over the shared ones
    image.put(list + 16, {L::kTileListEnd, 0, 0, 0});
}

// --- Chips and chip sets ----------------------------------------------------------------

void writeChips(ImageWriter& image, int s)
{
    std::array<std::uint8_t, 1024> tiles{};
    std::array<std::uint8_t, 256> attributes{};
    for (int n = 0; n < kChipCount; ++n) {
        // Chips 0 to 63 show arts 0 to 63 in their own colours; the rest repeat them
        // in the next sub-palettes, as the colour variants a stage keeps.
        const int art = n % 64;
        const ArtInfo info = artInfo(art);
        for (int q = 0; q < 4; ++q)
            tiles[std::size_t(q * 256 + n)] = std::uint8_t(art * 4 + q);
        const int palette = (info.subPalette + n / 64) % 4;
        attributes[std::size_t(n)] = std::uint8_t(info.style | palette);
    }
    image.put(L::stageBase(s) + L::kChipTiles, tiles);
    image.put(L::stageBase(s) + L::kChipAttributes, attributes);
}

void writeChipSets(ImageWriter& image, int s)
{
    static constexpr std::uint8_t kFixed[kFirstDecorSet][4] = {
        {kArtBlank, kArtBlank, kArtBlank, kArtBlank},
        {kArtGround, kArtGround, kArtGround, kArtGround},
        {kArtGroundTop, kArtGroundTop, kArtGround, kArtGround},
        {kArtWall, kArtWall, kArtWall, kArtWall},
        {kArtLadder, kArtBlank, kArtLadder, kArtBlank},
        {kArtLadder, kArtGroundTop, kArtLadder, kArtGround},
        {kArtLiquidTop, kArtLiquidTop, kArtLiquid, kArtLiquid},
        {kArtLiquid, kArtLiquid, kArtLiquid, kArtLiquid},
        {kArtPlatform, kArtPlatform, kArtBlank, kArtBlank},
        {kArtBlank, kArtCloud, kArtCloud, kArtBlank},
        {kArtStar, kArtBlank, kArtBlank, kArtStar},
        {kArtPillar, kArtBlank, kArtPillar, kArtBlank},
        {kArtBackWall, kArtBackWall, kArtBackWall, kArtBackWall},
        {kArtBackWall, kArtWindow, kArtWindow, kArtBackWall},
        {kArtSpikes, kArtSpikes, kArtGround, kArtGround},
        {kArtCrate, kArtCrate, kArtCrate, kArtCrate},
        {kArtBlank, kArtBlank, kArtFence, kArtFence},
        {kArtChain, kArtBlank, kArtChain, kArtBlank},
        {kArtDoor, kArtBlank, kArtDoor, kArtBlank},
        {kArtPipeUp, kArtBlank, kArtPipeUp, kArtBlank},
        {kArtPipeAcross, kArtPipeAcross, kArtBlank, kArtBlank},
        {kArtCrackedGround, kArtGround, kArtGround, kArtCrackedGround},
        {kArtLadder, kArtBackWall, kArtLadder, kArtBackWall},
        {kArtLadder, kArtPlatform, kArtLadder, kArtBlank},
    };
    std::array<std::uint8_t, 1024> sets{};
    for (int b = 0; b < kFirstDecorSet; ++b)
        for (int q = 0; q < 4; ++q)
            sets[std::size_t(b * 4 + q)] = kFixed[b][q];
    // The remaining chip sets are groups of the stage's decoration chips, some in
    // their colour variants, as a stage's spare building blocks.
    Random random(std::uint32_t(0x5E7 + s));
    for (int b = kFirstDecorSet; b < kChipSetCount; ++b) {
        const int base = kArtFirstDecor + random.below(64 - kArtFirstDecor);
        const int variant = random.chance(30) ? 64 * (1 + random.below(3)) : 0;
        for (int q = 0; q < 4; ++q)
            sets[std::size_t(b * 4 + q)] =
                std::uint8_t(variant + (random.chance(70) ? base : kArtFirstDecor + random.below(64 - kArtFirstDecor)));
    }
    image.put(L::stageBase(s) + L::kChipSets, sets);
}

// --- Map sets, pages and objects ----------------------------------------------------------

// One 8 x 8 screen, cell[row][column]. Every screen meets its neighbours with the
// ground top in row 6, so any order of screens is a walkable level.
struct Screen {
    std::uint8_t cell[8][8];
    std::uint8_t groundTop[8];  // row of the topmost ground chip set of each column
};

constexpr int kEdgeGround = 6;

Screen buildScreen(int s, int m, Random& random)
{
    const StageTheme theme = stageTheme(s);
    Screen screen{};
    // Background.
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            std::uint8_t b = theme.indoor ? kBackWall : kSkyBlock;
            if (theme.indoor && random.chance(8))
                b = kBackWindow;
            else if (!theme.indoor && r < 3 && random.chance(r == 0 ? 14 : 7))
                b = theme.night ? kStars : kCloud;
            screen.cell[r][c] = b;
        }
    if (random.chance(35)) {
        const int c = 1 + random.below(6);
        for (int r = 0; r < 8; ++r)
            screen.cell[r][c] = theme.indoor ? kPipeUp : kPillar;
    }
    if (theme.indoor && random.chance(40)) {
        const int c = random.below(8);
        screen.cell[0][c] = kChain;
        screen.cell[1][c] = kChain;
    }

    // Ground: a gentle random walk between rows 4 and 6, at row 6 on both edges.
    int height = kEdgeGround;
    for (int c = 0; c < 8; ++c) {
        if (c == 0 || c == 7)
            height = kEdgeGround;
        else if (c < 6 && random.chance(40))
            height = std::clamp(height + (random.chance(50) ? -1 : 1), 4, 6);
        else if (c == 6)
            height = std::max(height, 5);
        screen.groundTop[c] = std::uint8_t(height);
    }
    for (int c = 0; c < 8; ++c) {
        const int top = screen.groundTop[c];
        screen.cell[top][c] = kGroundTop;
        for (int r = top + 1; r < 8; ++r)
            screen.cell[r][c] = random.chance(15) ? kCrackedFill : kGroundFill;
    }

    // A pool of water or lava two columns wide, level with the edges.
    if (m % 3 == 1) {
        const int c = 2 + random.below(3);
        for (int k = c; k < c + 2; ++k) {
            screen.groundTop[k] = 6;
            for (int r = 4; r < 6; ++r)
                screen.cell[r][k] = screen.cell[3][k];
            screen.cell[6][k] = kLiquidTop;
            screen.cell[7][k] = kLiquidFill;
        }
    }

    // A platform with a ladder up to it.
    if (m % 3 == 2) {
        const int c = 1 + random.below(4);
        const int top = 2;
        screen.cell[top][c] = kLadderToPlatform;
        screen.cell[top][c + 1] = kPlatform;
        screen.cell[top][c + 2] = kPlatform;
        for (int r = top + 1; r < screen.groundTop[c]; ++r)
            screen.cell[r][c] = theme.indoor ? kLadderOnBackWall : kLadder;
        screen.cell[screen.groundTop[c]][c] = kLadderInGround;
        if (random.chance(50))
            screen.cell[top - 1][c + 2] = kCrate;
    }

    // Details standing on the ground.
    for (int c = 1; c < 7; ++c) {
        const int top = screen.groundTop[c];
        if (screen.cell[top][c] != kGroundTop || top < 1 || screen.cell[top - 1][c] == kLadder)
            continue;
        const int pick = random.below(100);
        if (pick < 8)
            screen.cell[top][c] = kSpikes;
        else if (pick < 16)
            screen.cell[top - 1][c] = kCrate;
        else if (pick < 24 && !theme.indoor)
            screen.cell[top - 1][c] = kFence;
        else if (pick < 28 && theme.indoor)
            screen.cell[top - 1][c] = kDoor;
    }
    if (m % 5 == 3)
        for (int c = 0; c < 8; ++c)
            if (screen.cell[1][c] == kSkyBlock || screen.cell[1][c] == kBackWall)
                screen.cell[1][c] = kPipeAcross;

    // Walls close the level at both ends.
    if (m == 0 || m == 31) {
        const int c = m == 0 ? 0 : 7;
        for (int r = 0; r < kEdgeGround; ++r)
            screen.cell[r][c] = kWallBlock;
    }
    // A two-block step of wall in some screens.
    if (m % 4 == 0 && m != 0) {
        const int c = 3 + random.below(2);
        const int top = screen.groundTop[c];
        if (screen.cell[top][c] == kGroundTop && top >= 5)
            screen.cell[top - 1][c] = kWallBlock;
    }
    return screen;
}

// Which map set each page shows: the level runs through map sets 0 to 30, revisits
// some of them and ends with map set 31.
std::uint8_t mapSetOfPage(int s, int p)
{
    if (p <= 30)
        return std::uint8_t(p);
    if (p == kPageCount - 1)
        return 31;
    return std::uint8_t(1 + (p * 7 + s) % 30);
}

void writeLevel(ImageWriter& image, int s)
{
    Random random(std::uint32_t(0x1E7E1 + s * 31));
    Screen screens[kMapSetCount];
    std::array<std::uint8_t, L::kMapSetsSize> rows{};
    for (int m = 0; m < kMapSetCount; ++m) {
        screens[m] = buildScreen(s, m, random);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c)
                rows[std::size_t(m * 64 + r * 8 + c)] = screens[m].cell[r][c];
    }
    image.put(L::stageBase(s) + L::kMapSets, rows);

    std::array<std::uint8_t, kPageCount> pages{};
    for (int p = 0; p < kPageCount; ++p)
        pages[std::size_t(p)] = mapSetOfPage(s, p);
    image.put(L::stageBase(s) + L::kPageTable, pages);

    // Objects stand on the ground of their page, ordered along the stage. The last
    // stage fills all 64 slots; the others leave the rest empty as an erase would.
    const int used = s == kStageCount - 1 ? kObjectSlots : 20 + s * 2;
    std::array<ObjectRecord, kObjectSlots> objects{};
    for (int i = 0; i < used; ++i) {
        ObjectRecord& o = objects[std::size_t(i)];
        o.page = std::uint8_t(1 + i * (kPageCount - 2) / used);
        o.x = std::uint8_t(0x18 + random.below(0xD0));
        const Screen& screen = screens[mapSetOfPage(s, o.page)];
        o.y = std::uint8_t(screen.groundTop[o.x / 32] * 32 - 12);
        o.data = std::uint8_t(random.below(0x40) | (random.chance(20) ? 0x80 : 0));
    }
    std::sort(objects.begin(), objects.begin() + used, [](const ObjectRecord& a, const ObjectRecord& b) {
        return a.page != b.page ? a.page < b.page : a.x < b.x;
    });
    for (int i = used; i < kObjectSlots; ++i)
        objects[std::size_t(i)] = ObjectRecord{kErasedObjectPage, 0, 0, 0};
    std::array<std::uint8_t, kObjectSlots> column{};
    const std::pair<std::size_t, std::uint8_t ObjectRecord::*> fields[] = {
        {L::kObjectPages, &ObjectRecord::page},
        {L::kObjectX, &ObjectRecord::x},
        {L::kObjectY, &ObjectRecord::y},
        {L::kObjectData, &ObjectRecord::data},
    };
    for (const auto& [offset, field] : fields) {
        for (int i = 0; i < kObjectSlots; ++i)
            column[std::size_t(i)] = objects[std::size_t(i)].*field;
        image.put(L::stageBase(s) + offset, column);
    }
}

// --- Palettes and their animation -----------------------------------------------------------

// Palette animation 4s + k animates the liquid of stage s in palette set k.
constexpr int animationOf(int s, int k)
{
    return s * 4 + k;
}

void writePaletteSets(ImageWriter& image, int s)
{
    std::array<std::uint8_t, L::kPaletteSetsSize> sets{};
    for (int k = 0; k < kPaletteSetCount; ++k) {
        const PaletteRecord palette = stagePalette(s, k, std::uint8_t(0x80 | animationOf(s, k)));
        std::memcpy(sets.data() + k * 20, &palette, sizeof palette);
    }
    image.put(L::stageBase(s) + L::kPaletteSets, sets);
}

void writeAnimations(ImageWriter& image)
{
    // Triples are handed out in order; each animation gets its own run of them.
    std::array<std::uint8_t, 256 * 3> triples{};
    int nextTriple = 0;
    std::size_t record = kAnimationsAt;
    for (int s = 0; s < kStageCount; ++s)
        for (int k = 0; k < kPaletteSetCount; ++k) {
            const LiquidCycle cycle = liquidCycle(s, k);
            std::vector<std::uint8_t> bytes = {std::uint8_t(cycle.frames.size() - 1), cycle.delay};
            for (const ColourTriple& frame : cycle.frames) {
                std::copy(frame.begin(), frame.end(), triples.begin() + nextTriple * 3);
                bytes.push_back(std::uint8_t(nextTriple++));
            }
            image.pointer(L::kAnimationPointerLow, L::kAnimationPointerHigh, animationOf(s, k), L::kAnimationBank,
                          record);
            image.put(record, bytes);
            record += bytes.size();
        }
    // Unused triples: a grey ramp, harmless if an edited selector points at them.
    for (; nextTriple < 256; ++nextTriple) {
        const auto shade = std::uint8_t((nextTriple % 3) * 0x10);
        triples[std::size_t(nextTriple * 3)] = shade;
        triples[std::size_t(nextTriple * 3 + 1)] = std::uint8_t(shade + 0x10);
        triples[std::size_t(nextTriple * 3 + 2)] = 0x30;
    }
    image.put(L::kColourTriples, triples);
}

void writeHeader(ImageWriter& image)
{
    // The cartridge the stage player needs: mapper 2 (16 KB banks switched at $8000,
    // the last one fixed at $C000), character RAM instead of ROM, and the two name
    // tables side by side (vertical mirroring) for scrolling sideways.
    constexpr std::uint8_t kMapper2VerticalMirroring = 0x21;
    image.put(0, {'N', 'E', 'S', 0x1A, std::uint8_t(kBankCount / 2), 0, kMapper2VerticalMirroring, 0});
}

void writeStagePlayer(ImageWriter& image, std::size_t imageSize)
{
    const std::span<const std::uint8_t> program = stagePlayerProgram();
    image.put(imageSize - program.size(), program);
}

}  // namespace

std::vector<std::uint8_t> makeDemoImage()
{
    ImageWriter image(L::bankStart(kBankCount));
    writeHeader(image);
    writeTiles(image);
    for (int s = 0; s < kStageCount; ++s) {
        writeTileList(image, s);
        writeChips(image, s);
        writeChipSets(image, s);
        writeLevel(image, s);
        writePaletteSets(image, s);
    }
    writeAnimations(image);
    writeStagePlayer(image, L::bankStart(kBankCount));
    return image.take();
}

void writeDemoImage(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = makeDemoImage();
    // The image as the last run left it, unchanged since: nothing to write or sync.
    if (fileHolds(path, bytes))
        return;
    replaceFile(readFileForUpdate(path), bytes, path);
}
