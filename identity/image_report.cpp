#include "identity/image_report.h"

#include <nettle/sha1.h>

#include <cinttypes>
#include <cstdio>
#include <set>

#include "identity/cartridge_header.h"
#include "jcode/readable_name.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "patch/crc32.h"
#include "rom/rom_layout.h"
#include "text/translation.h"

namespace L = rom_layout;

namespace {

std::string format(const char* pattern, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string yesOrNo(bool yes)
{
    return yes ? translated("image_report", "yes") : translated("image_report", "no");
}

std::string sizeText(std::size_t bytes)
{
    if (bytes == 0)
        return translated("image_report", "none");
    if (bytes % 1024 == 0)
        return fillIn(translated("image_report", "%1 KiB"), {std::to_string(bytes / 1024)});
    return fillIn(translated("image_report", "%1 bytes"), {std::to_string(bytes)});
}

std::string checksums(std::span<const std::uint8_t> bytes)
{
    return format("CRC32 %08" PRIX32 ", SHA-1 %s", crc32Of(bytes), sha1Hex(bytes).c_str());
}

std::string headerLine(const CartridgeHeader& h)
{
    if (!h.present)
        return translated("image_report", "header: none (the file does not start with \"NES\" and 0x1A)") + "\n";
    return fillIn(translated("image_report",
                             "header: %1, mapper %2, PRG %3, CHR %4, mirroring %5, battery %6, trainer %7"),
                  {h.nes20 ? "NES 2.0" : "iNES", std::to_string(h.mapper), sizeText(h.prgBytes),
                   h.chrBytes ? sizeText(h.chrBytes) : translated("image_report", "none (RAM)"),
                   translated("cartridge_header", mirroringName(h.mirroring)), yesOrNo(h.battery),
                   yesOrNo(h.trainer)}) +
        "\n";
}

std::string tablesLine(const ImageForReport& image)
{
    if (!image.tables)
        return fillIn(translated("image_report", "stage tables: do not load (%1)"), {image.loadError}) + "\n";
    std::string counts;
    for (int s = 0; s < kStageCount; ++s) {
        int used = 0;
        for (const ObjectRecord& slot : image.tables->object[s])
            used += slot.isUsed();
        counts += format(" %X:%d", unsigned(s), used);
    }
    return fillIn(translated("image_report", "stage tables: load; used objects per stage:%1"), {counts}) + "\n";
}

std::string differenceLines(const ImageForReport& image, const std::optional<OriginalForReport>& original)
{
    if (!original)
        return translated("image_report",
                          "original: none known (Ctrl+E remembers one, or give it with --against ORIGINAL)") +
            "\n";
    const std::string text = fillIn(translated("image_report", "original: %1 (%2), %3"),
                                    {readableName(original->name), original->knownFrom, checksums(original->bytes)}) +
        "\n";
    const auto differences =
        stageTableDifferences(image.bytes, original->bytes, image.tables ? &image.tables->tileSources : nullptr);
    std::string changed;
    int same = 0;
    for (int s = 0; s < kStageCount; ++s) {
        if (differences[std::size_t(s)] == 0) {
            ++same;
            continue;
        }
        if (!changed.empty())
            changed += ", ";
        const std::size_t bytes = differences[std::size_t(s)];
        changed += fillIn(bytes == 1 ? translated("image_report", "stage %1: %2 byte")
                                     : translated("image_report", "stage %1: %2 bytes"),
                          {format("%X", unsigned(s)), std::to_string(bytes)});
    }
    if (changed.empty())
        return text +
            translated("image_report", "tables differing from the original: none, all 16 stages are the same") + "\n";
    const std::string line = same == 1
        ? fillIn(translated("image_report", "tables differing from the original: %1; the other stage is the same"),
                 {changed})
        : same ? fillIn(translated("image_report", "tables differing from the original: %1; the other %2 are the same"),
                        {changed, std::to_string(same)})
               : fillIn(translated("image_report", "tables differing from the original: %1"), {changed});
    return text + line + "\n";
}

}  // namespace

std::string sha1Hex(std::span<const std::uint8_t> bytes)
{
    sha1_ctx context;
    sha1_init(&context);
    sha1_update(&context, bytes.size(), bytes.data());
    std::uint8_t digest[SHA1_DIGEST_SIZE];
    sha1_digest(&context, sizeof digest, digest);
    std::string hex;
    for (std::uint8_t byte : digest)
        hex += format("%02x", byte);
    return hex;
}

std::array<std::size_t, kStageCount> stageTableDifferences(std::span<const std::uint8_t> image,
                                                           std::span<const std::uint8_t> original,
                                                           const TileSources* tiles)
{
    const auto differs = [&](std::size_t at) {
        const bool inImage = at < image.size();
        const bool inOriginal = at < original.size();
        return inImage != inOriginal || (inImage && image[at] != original[at]);
    };
    std::array<std::size_t, kStageCount> counts{};
    for (int s = 0; s < kStageCount; ++s) {
        for (const EditableTable& table : editableTableList())
            for (const BankRun& run : table.runs)
                for (std::size_t i = 0; i < run.size; ++i)
                    counts[std::size_t(s)] += differs(L::stageBase(s) + run.offset + i);
        if (!tiles)
            continue;
        // Each source once, however many of the stage's tiles are loaded from it.
        std::set<std::uint32_t> sources;
        for (int t = 0; t < kTileCount; ++t)
            if (tiles->writable(s, t))
                sources.insert(tiles->offset[s][t]);
        for (const std::uint32_t source : sources)
            for (std::size_t i = 0; i < kTileBytes; ++i)
                counts[std::size_t(s)] += differs(source + i);
    }
    return counts;
}

std::string imageReport(const ImageForReport& image, const std::optional<OriginalForReport>& original)
{
    const CartridgeHeader header = readCartridgeHeader(image.bytes);
    const auto body = image.bytes.size() > kCartridgeHeaderSize ? image.bytes.subspan(kCartridgeHeaderSize)
                                                                : std::span<const std::uint8_t>();
    // Filled in rather than formatted into a buffer: a long path must come out whole.
    std::string text = fillIn(translated("image_report", "file: %1, %2 bytes"),
                              {readableName(image.name), std::to_string(image.bytes.size())}) +
        "\n";
    text += headerLine(header);
    text += fillIn(translated("image_report", "whole file: %1"), {checksums(image.bytes)}) + "\n";
    text += fillIn(translated("image_report", "without the 16-byte header: %1"), {checksums(body)}) + "\n";
    text += tablesLine(image);
    text += differenceLines(image, original);
    return text;
}
