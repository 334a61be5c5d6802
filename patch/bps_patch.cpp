#include "patch/bps_patch.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "patch/crc32.h"
#include "patch/patch_error.h"
#include "text/translation.h"

namespace {

constexpr std::uint8_t kMagic[] = {'B', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;  // the three CRC-32s
// The magic, three one-byte numbers and the footer.
constexpr std::size_t kSmallestPatch = sizeof kMagic + 3 + kFooterSize;

enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

// A run of one changed byte this long or longer is cheaper as one literal byte and a
// copy of it than as literal bytes.
constexpr std::size_t kShortestCopiedRun = 8;
// Unchanged bytes between two changes: this few go into the literal bytes, since a
// read from the source and a new literal run would cost more.
constexpr std::size_t kLongestInlinedGap = 1;
// Numbers in a patch: 7 bits per byte; a number of more bytes than this cannot be a
// size or an offset of any file a patch makes.
constexpr int kLongestNumber = 8;

std::string hex32(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08" PRIX32, value);
    return text;
}

// --- Writing ----------------------------------------------------------------------

void putNumber(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    // Each byte holds 7 bits; the last has the top bit set. Taking one off after every
    // byte but the last gives every number exactly one spelling.
    for (;;) {
        const std::uint8_t low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

void putAction(std::vector<std::uint8_t>& out, Action action, std::size_t length)
{
    putNumber(out, (std::uint64_t(length - 1) << 2) | action);
}

void putSignedOffset(std::vector<std::uint8_t>& out, std::int64_t offset)
{
    const std::uint64_t magnitude = offset < 0 ? std::uint64_t(-offset) : std::uint64_t(offset);
    putNumber(out, (magnitude << 1) | (offset < 0 ? 1 : 0));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(value >> shift));
}

class Encoder {
public:
    Encoder(std::span<const std::uint8_t> target, std::vector<std::uint8_t>& out) : target_(target), out_(out) {}

    void sourceRead(std::size_t length)
    {
        putAction(out_, SourceRead, length);
        written_ += length;
    }

    // Literal bytes from written_ on, with long runs of one byte copied from the
    // byte before them.
    void literal(std::size_t length)
    {
        const std::size_t end = written_ + length;
        std::size_t runStart = written_;  // not yet in the patch
        std::size_t at = written_;
        while (at < end) {
            std::size_t same = 1;
            while (at + same < end && target_[at + same] == target_[at])
                ++same;
            if (same >= kShortestCopiedRun) {
                targetRead(runStart, at + 1 - runStart);
                targetCopy(at, same - 1);
                runStart = at + same;
            }
            at += same;
        }
        if (runStart < end)
            targetRead(runStart, end - runStart);
        written_ = end;
    }

private:
    void targetRead(std::size_t from, std::size_t length)
    {
        putAction(out_, TargetRead, length);
        out_.insert(out_.end(), target_.begin() + std::ptrdiff_t(from),
                    target_.begin() + std::ptrdiff_t(from + length));
    }

    // Copies the byte at `from` over the `length` bytes after it: the copy reads what
    // it has just written.
    void targetCopy(std::size_t from, std::size_t length)
    {
        putAction(out_, TargetCopy, length);
        putSignedOffset(out_, std::int64_t(from) - std::int64_t(targetRelative_));
        targetRelative_ = from + length;
    }

    std::span<const std::uint8_t> target_;
    std::vector<std::uint8_t>& out_;
    std::size_t written_ = 0;
    std::size_t targetRelative_ = 0;
};

// --- Reading ----------------------------------------------------------------------

struct Header {
    std::uint64_t sourceSize = 0;
    std::uint64_t targetSize = 0;
    std::size_t actionsStart = 0;
    std::size_t actionsEnd = 0;
    std::uint32_t sourceCrc = 0;
    std::uint32_t targetCrc = 0;
    std::uint32_t patchCrc = 0;
};

[[noreturn]] void cutShort(const std::string& what)
{
    throw PatchError(fillIn(translated("bps_patch", "the patch is cut short: %1"), {what}));
}

[[noreturn]] void malformed(std::size_t at, const std::string& what)
{
    throw PatchError(
        fillIn(translated("bps_patch", "the patch is malformed at byte %1: %2"), {std::to_string(at), what}));
}

// A number of the patch, named in the two ways it can be wrong.
struct NumberName {
    const char* runsPast;
    const char* tooLarge;
};

constexpr NumberName kSourceSize{TEXT_NOOP("bps_patch", "the source size runs past the end of the patch"),
                                 TEXT_NOOP("bps_patch", "the source size is too large")};
constexpr NumberName kTargetSize{TEXT_NOOP("bps_patch", "the target size runs past the end of the patch"),
                                 TEXT_NOOP("bps_patch", "the target size is too large")};
constexpr NumberName kMetadataSize{TEXT_NOOP("bps_patch", "the metadata size runs past the end of the patch"),
                                   TEXT_NOOP("bps_patch", "the metadata size is too large")};
constexpr NumberName kAction{TEXT_NOOP("bps_patch", "an action runs past the end of the patch"),
                             TEXT_NOOP("bps_patch", "an action is too large")};
constexpr NumberName kCopyOffset{TEXT_NOOP("bps_patch", "a copy's offset runs past the end of the patch"),
                                 TEXT_NOOP("bps_patch", "a copy's offset is too large")};

class PatchReader {
public:
    PatchReader(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t end)
        : bytes_(bytes)
        , at_(at)
        , end_(end)
    {}

    std::size_t at() const { return at_; }
    bool atEnd() const { return at_ >= end_; }
    std::size_t left() const { return end_ - at_; }

    std::uint64_t number(const NumberName& what)
    {
        const std::size_t start = at_;
        std::uint64_t value = 0;
        std::uint64_t shift = 1;
        for (int length = 1;; ++length) {
            if (at_ >= end_)
                cutShort(translated("bps_patch", what.runsPast));
            const std::uint8_t byte = bytes_[at_++];
            value += (byte & 0x7F) * shift;
            if (byte & 0x80)
                return value;
            if (length == kLongestNumber)
                malformed(start, translated("bps_patch", what.tooLarge));
            shift <<= 7;
            value += shift;
        }
    }

    std::span<const std::uint8_t> take(std::size_t length)
    {
        const auto part = bytes_.subspan(at_, length);
        at_ += length;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
    std::size_t end_;
};

std::uint32_t get32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
        std::uint32_t(bytes[at + 3]) << 24;
}

Header readHeader(std::span<const std::uint8_t> patch)
{
    if (!looksLikeBpsPatch(patch))
        throw PatchError(translated("bps_patch", "not a BPS patch: it does not start with \"BPS1\""));
    if (patch.size() < kSmallestPatch)
        cutShort(fillIn(translated("bps_patch", "it has %1 bytes, and a BPS patch has at least %2"),
                        {std::to_string(patch.size()), std::to_string(kSmallestPatch)}));
    Header header;
    header.actionsEnd = patch.size() - kFooterSize;
    PatchReader in(patch, sizeof kMagic, header.actionsEnd);
    header.sourceSize = in.number(kSourceSize);
    header.targetSize = in.number(kTargetSize);
    const std::uint64_t metadataSize = in.number(kMetadataSize);
    if (metadataSize > in.left())
        cutShort(translated("bps_patch", "its metadata runs past the end of the patch"));
    in.take(std::size_t(metadataSize));
    if (header.targetSize > kLargestPatchTarget)
        throw PatchError(fillIn(translated("bps_patch",
                                           "the patch would make a file of %1 bytes, more than the %2 "
                                           "MiB an image can have"),
                                {std::to_string(header.targetSize), std::to_string(kLargestPatchTarget >> 20)}));
    header.actionsStart = in.at();
    header.sourceCrc = get32(patch, header.actionsEnd);
    header.targetCrc = get32(patch, header.actionsEnd + 4);
    header.patchCrc = get32(patch, header.actionsEnd + 8);
    return header;
}

// Runs the actions of the patch. Every action is checked against the sizes the header
// gives, so a run without source and target (both null) proves that a run with them
// stays inside both; with them it also builds the target.
void runActions(std::span<const std::uint8_t> patch, const Header& header, const std::uint8_t* source,
                std::uint8_t* target)
{
    PatchReader in(patch, header.actionsStart, header.actionsEnd);
    const std::uint64_t sourceSize = header.sourceSize;
    const std::uint64_t targetSize = header.targetSize;
    std::uint64_t written = 0;
    std::int64_t sourceRelative = 0;
    std::int64_t targetRelative = 0;
    while (!in.atEnd()) {
        const std::size_t at = in.at();
        const std::uint64_t command = in.number(kAction);
        const std::uint64_t length = (command >> 2) + 1;
        if (length > targetSize - written)
            malformed(at,
                      fillIn(translated("bps_patch", "an action writes past the end of the %1-byte target"),
                             {std::to_string(targetSize)}));
        switch (command & 3) {
        case SourceRead:
            if (written + length > sourceSize)
                malformed(at, translated("bps_patch", "it reads past the end of the source"));
            if (target)
                std::copy_n(source + written, length, target + written);
            break;
        case TargetRead:
            if (length > in.left())
                cutShort(fillIn(translated("bps_patch", "its literal bytes at byte %1 run past the end of the patch"),
                                {std::to_string(at)}));
            if (target) {
                const auto bytes = in.take(std::size_t(length));
                std::copy(bytes.begin(), bytes.end(), target + written);
            } else {
                in.take(std::size_t(length));
            }
            break;
        case SourceCopy:
        case TargetCopy: {
            const bool fromSource = (command & 3) == SourceCopy;
            const std::uint64_t offset = in.number(kCopyOffset);
            std::int64_t& relative = fromSource ? sourceRelative : targetRelative;
            const std::int64_t step = std::int64_t(offset >> 1);
            relative += offset & 1 ? -step : step;
            if (relative < 0)
                malformed(at, translated("bps_patch", "a copy starts before the start of the file"));
            if (fromSource) {
                if (std::uint64_t(relative) + length > sourceSize)
                    malformed(at, translated("bps_patch", "a copy reads past the end of the source"));
                if (target)
                    std::copy_n(source + relative, length, target + written);
            } else {
                // A copy may overlap what it writes, but only ever read bytes already made.
                if (std::uint64_t(relative) >= written)
                    malformed(at, translated("bps_patch", "a copy reads target bytes not made yet"));
                if (target)
                    for (std::uint64_t i = 0; i < length; ++i)
                        target[written + i] = target[std::uint64_t(relative) + i];
            }
            relative += std::int64_t(length);
            break;
        }
        }
        written += length;
    }
    if (written != targetSize)
        cutShort(fillIn(translated("bps_patch", "its actions make %1 of the %2 bytes of the target"),
                        {std::to_string(written), std::to_string(targetSize)}));
}

}  // namespace

bool looksLikeBpsPatch(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= sizeof kMagic && std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());
}

std::vector<std::uint8_t> makeBpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target,
                                       std::string_view metadata)
{
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    putNumber(out, source.size());
    putNumber(out, target.size());
    putNumber(out, metadata.size());
    out.insert(out.end(), metadata.begin(), metadata.end());

    const auto same = [&](std::size_t i) { return i < source.size() && source[i] == target[i]; };
    Encoder encoder(target, out);
    std::size_t at = 0;
    while (at < target.size()) {
        std::size_t end = at;
        if (same(at)) {
            while (end < target.size() && same(end))
                ++end;
            encoder.sourceRead(end - at);
        } else {
            // Changed bytes, and the short gaps of unchanged bytes between them.
            for (;;) {
                while (end < target.size() && !same(end))
                    ++end;
                std::size_t gap = end;
                while (gap < target.size() && gap - end <= kLongestInlinedGap && same(gap))
                    ++gap;
                if (gap == target.size() || gap - end > kLongestInlinedGap)
                    break;
                end = gap;
            }
            encoder.literal(end - at);
        }
        at = end;
    }

    put32(out, crc32Of(source));
    put32(out, crc32Of(target));
    put32(out, crc32Of(out));
    return out;
}

std::vector<std::uint8_t> applyBpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    const Header header = readHeader(patch);
    runActions(patch, header, nullptr, nullptr);

    const std::uint32_t patchCrc = crc32Of(patch.first(patch.size() - 4));
    if (patchCrc != header.patchCrc)
        throw PatchError(
            fillIn(translated("bps_patch", "the patch is damaged: its bytes have the CRC32 %1, and it says %2"),
                   {hex32(patchCrc), hex32(header.patchCrc)}));
    const std::uint32_t sourceCrc = crc32Of(source);
    if (source.size() != header.sourceSize || sourceCrc != header.sourceCrc)
        throw PatchError(fillIn(translated("bps_patch",
                                           "the patch was made for another image: it expects one of %1 "
                                           "bytes with the CRC32 %2, and this one has %3 bytes with the CRC32 %4"),
                                {std::to_string(header.sourceSize), hex32(header.sourceCrc),
                                 std::to_string(source.size()), hex32(sourceCrc)}));

    std::vector<std::uint8_t> target(std::size_t(header.targetSize));
    runActions(patch, header, source.data(), target.data());
    const std::uint32_t targetCrc = crc32Of(target);
    if (targetCrc != header.targetCrc)
        throw PatchError(fillIn(translated("bps_patch", "the patch makes a file with the CRC32 %1, and it expects %2"),
                                {hex32(targetCrc), hex32(header.targetCrc)}));
    return target;
}
