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

namespace L = rom_layout;

namespace {

std::string format(const char* pattern, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string sizeText(std::size_t bytes)
{
    if (bytes == 0)
        return "none";
    if (bytes % 1024 == 0)
        return std::to_string(bytes / 1024) + " KiB";
    return std::to_string(bytes) + " bytes";
}

std::string checksums(std::span<const std::uint8_t> bytes)
{
    return format("CRC32 %08" PRIX32 ", SHA-1 %s", crc32Of(bytes), sha1Hex(bytes).c_str());
}

std::string headerLine(const CartridgeHeader& h)
{
    if (!h.present)
        return "header: none (the file does not start with \"NES\" and 0x1A)\n";
    return format("header: %s, mapper %d, PRG %s, CHR %s, mirroring %s, battery %s, trainer %s\n",
                  h.nes20 ? "NES 2.0" : "iNES", h.mapper, sizeText(h.prgBytes).c_str(),
                  h.chrBytes ? sizeText(h.chrBytes).c_str() : "none (RAM)", mirroringName(h.mirroring),
                  h.battery ? "yes" : "no", h.trainer ? "yes" : "no");
}

std::string tablesLine(const ImageForReport& image)
{
    if (!image.tables)
        return "stage tables: do not load (" + image.loadError + ")\n";
    std::string line = "stage tables: load; used objects per stage:";
    for (int s = 0; s < kStageCount; ++s) {
        int used = 0;
        for (const ObjectRecord& slot : image.tables->object[s])
            used += slot.isUsed();
        line += format(" %X:%d", unsigned(s), used);
    }
    return line + "\n";
}

std::string differenceLines(const ImageForReport& image, const std::optional<OriginalForReport>& original)
{
    if (!original)
        return "original: none known (Ctrl+E remembers one, or give it with --against ORIGINAL)\n";
    std::string text = "original: " + readableName(original->name) + " (" + original->knownFrom + "), " +
        checksums(original->bytes) + "\n";
    const auto differences =
        stageTableDifferences(image.bytes, original->bytes, image.tables ? &image.tables->tileSources : nullptr);
    std::string changed;
    int same = 0;
    for (int s = 0; s < kStageCount; ++s) {
        if (differences[std::size_t(s)] == 0) {
            ++same;
            continue;
        }
        changed += format("%sstage %X: %zu byte%s", changed.empty() ? "" : ", ", unsigned(s),
                          differences[std::size_t(s)], differences[std::size_t(s)] == 1 ? "" : "s");
    }
    if (changed.empty())
        return text + "tables differing from the original: none, all 16 stages are the same\n";
    return text + "tables differing from the original: " + changed +
        (same == 1  ? std::string("; the other stage is the same\n")
             : same ? format("; the other %d are the same\n", same)
                    : std::string("\n"));
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
    std::string text = format("file: %s, %zu bytes\n", readableName(image.name).c_str(), image.bytes.size());
    text += headerLine(header);
    text += "whole file: " + checksums(image.bytes) + "\n";
    text += "without the 16-byte header: " + checksums(body) + "\n";
    text += tablesLine(image);
    text += differenceLines(image, original);
    return text;
}
