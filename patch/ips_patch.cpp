#include "patch/ips_patch.h"

#include <algorithm>
#include <string>

#include "patch/patch_error.h"
#include "text/translation.h"

namespace {

constexpr std::uint8_t kMagic[] = {'P', 'A', 'T', 'C', 'H'};
constexpr std::uint8_t kEnd[] = {'E', 'O', 'F'};
// A record at this offset would begin with the bytes of "EOF" and end the patch.
constexpr std::size_t kEndLookalike = 0x454F46;
constexpr std::size_t kLongestRecord = 0xFFFF;
constexpr std::size_t kRecordHeader = 5;               // 3 offset bytes, 2 length bytes
constexpr std::size_t kRunRecord = kRecordHeader + 3;  // and 2 count bytes, 1 value
constexpr std::size_t kTruncationSize = 3;

// --- Writing ----------------------------------------------------------------------

struct Record {
    std::size_t start;
    std::size_t length;
    bool run;  // length times the byte at start
};

void put24(std::vector<std::uint8_t>& out, std::size_t value)
{
    out.push_back(std::uint8_t(value >> 16));
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

void put16(std::vector<std::uint8_t>& out, std::size_t value)
{
    out.push_back(std::uint8_t(value >> 8));
    out.push_back(std::uint8_t(value));
}

// Splits the changed bytes [first, end) into records: runs of one byte long enough
// to be cheaper as a run record (8 bytes) than inside a record of bytes (a byte each),
// counting the header of the record of bytes that a run in the middle splits off and
// the header that a run at either end saves.
void planRecords(std::span<const std::uint8_t> target, std::size_t first, std::size_t end, std::vector<Record>& records)
{
    std::size_t pending = first;  // bytes from here on are not in a record yet
    const auto flushBytes = [&](std::size_t upTo) {
        for (std::size_t at = pending; at < upTo; at += kLongestRecord)
            records.push_back({at, std::min(kLongestRecord, upTo - at), false});
        pending = upTo;
    };
    std::size_t at = first;
    while (at < end) {
        std::size_t same = 1;
        while (at + same < end && target[at + same] == target[at])
            ++same;
        const bool touchesStart = at == pending;
        const bool touchesEnd = at + same == end;
        const std::size_t saved = same + (touchesStart ? kRecordHeader : 0) + (touchesEnd ? kRecordHeader : 0);
        if (saved > kRunRecord + kRecordHeader) {
            flushBytes(at);
            for (std::size_t from = at; from < at + same; from += kLongestRecord)
                records.push_back({from, std::min(kLongestRecord, at + same - from), true});
            pending = at + same;
        }
        at += same;
    }
    flushBytes(end);
}

// Moves a record off 0x454F46 by starting it one byte earlier. The byte before is
// written again with its target value, which is harmless even where another record
// has written it already.
void avoidEndLookalike(std::span<const std::uint8_t> target, std::vector<Record>& records)
{
    for (std::size_t i = 0; i < records.size(); ++i) {
        Record& r = records[i];
        if (r.start != kEndLookalike)
            continue;
        const std::uint8_t before = target[kEndLookalike - 1];
        if (r.run && before != target[r.start]) {
            // Two bytes as bytes, the rest of the run stays a run one byte later.
            const Record rest{r.start + 1, r.length - 1, true};
            r = {kEndLookalike - 1, 2, false};
            if (rest.length > 0)
                records.insert(records.begin() + std::ptrdiff_t(i) + 1, rest);
            continue;
        }
        --r.start;
        ++r.length;
        if (r.length > kLongestRecord) {
            // The last byte moves into a record of its own, far from the lookalike.
            --r.length;
            records.insert(records.begin() + std::ptrdiff_t(i) + 1, Record{r.start + r.length, 1, r.run});
        }
    }
}

// --- Reading ----------------------------------------------------------------------

[[noreturn]] void cutShort(std::size_t at, const std::string& what)
{
    throw PatchError(
        fillIn(translated("ips_patch", "the patch is cut short at byte %1: %2"), {std::to_string(at), what}));
}

}  // namespace

bool looksLikeIpsPatch(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= sizeof kMagic && std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());
}

std::vector<std::uint8_t> makeIpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> target)
{
    if (target.size() > kLargestIpsTarget)
        throw PatchError(fillIn(translated("ips_patch",
                                           "an IPS patch reaches only the first 16 MiB of a file, and this "
                                           "one has %1 bytes: make a BPS patch instead"),
                                {std::to_string(target.size())}));
    const auto changed = [&](std::size_t i) { return i >= source.size() || source[i] != target[i]; };

    std::vector<Record> records;
    std::size_t at = 0;
    while (at < target.size()) {
        if (!changed(at)) {
            ++at;
            continue;
        }
        // A gap of fewer unchanged bytes than a record's header costs less inside the
        // record than as the start of another.
        std::size_t end = at;
        for (;;) {
            while (end < target.size() && changed(end))
                ++end;
            std::size_t next = end;
            while (next < target.size() && next - end < kRecordHeader && !changed(next))
                ++next;
            if (next == target.size() || next - end >= kRecordHeader)
                break;
            end = next;
        }
        planRecords(target, at, end, records);
        at = end;
    }
    avoidEndLookalike(target, records);

    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    for (const Record& r : records) {
        put24(out, r.start);
        if (r.run) {
            put16(out, 0);
            put16(out, r.length);
            out.push_back(target[r.start]);
        } else {
            put16(out, r.length);
            out.insert(out.end(), target.begin() + std::ptrdiff_t(r.start),
                       target.begin() + std::ptrdiff_t(r.start + r.length));
        }
    }
    out.insert(out.end(), std::begin(kEnd), std::end(kEnd));
    if (target.size() < source.size())
        put24(out, target.size());
    return out;
}

std::size_t IpsEdits::targetSize(std::size_t sourceSize) const
{
    std::size_t size = sourceSize;
    for (const IpsRecord& r : records)
        size = std::max(size, r.offset + r.length);
    // A truncation size only ever shortens the file.
    return truncates ? std::min(size, truncatedSize) : size;
}

IpsEdits readIpsPatch(std::span<const std::uint8_t> patch)
{
    if (!looksLikeIpsPatch(patch))
        throw PatchError(translated("ips_patch", "not an IPS patch: it does not start with \"PATCH\""));
    IpsEdits edits;
    std::size_t at = sizeof kMagic;
    const auto need = [&](std::size_t count, const char* what) {
        if (patch.size() - at < count)
            cutShort(at, translated("ips_patch", what));
    };
    const auto number = [&](std::size_t bytes) {
        std::size_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i)
            value = value << 8 | patch[at++];
        return value;
    };
    for (;;) {
        need(3, TEXT_NOOP("ips_patch", "it ends without the \"EOF\" marker"));
        if (std::equal(std::begin(kEnd), std::end(kEnd), patch.begin() + std::ptrdiff_t(at))) {
            at += 3;
            break;
        }
        const std::size_t recordAt = at;
        need(kRecordHeader, TEXT_NOOP("ips_patch", "a record's offset and length are missing"));
        IpsRecord record;
        record.offset = number(3);
        record.length = number(2);
        if (record.length == 0) {
            need(3, TEXT_NOOP("ips_patch", "a run record's count and byte are missing"));
            record.length = number(2);
            record.value = patch[at++];
            if (record.length == 0)
                throw PatchError(
                    fillIn(translated("ips_patch", "the patch is malformed at byte %1: a run record of no bytes"),
                           {std::to_string(recordAt)}));
        } else {
            need(record.length, TEXT_NOOP("ips_patch", "a record's bytes run past the end of the patch"));
            record.bytes = patch.subspan(at, record.length);
            at += record.length;
        }
        edits.records.push_back(record);
    }
    const std::size_t after = patch.size() - at;
    if (after == kTruncationSize) {
        edits.truncates = true;
        edits.truncatedSize = number(3);
    } else if (after != 0) {
        throw PatchError(fillIn(translated("ips_patch", "the patch is malformed: %1 bytes follow its \"EOF\" marker"),
                                {std::to_string(after)}));
    }
    return edits;
}

std::vector<std::uint8_t> applyIpsPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch)
{
    const IpsEdits edits = readIpsPatch(patch);
    const std::size_t size = edits.targetSize(source.size());
    std::vector<std::uint8_t> target(size, 0);
    std::copy_n(source.begin(), std::min(size, source.size()), target.begin());
    // Later records overwrite earlier ones; whatever lies past a truncation is cut off.
    for (const IpsRecord& r : edits.records) {
        if (r.offset >= size)
            continue;
        const std::size_t length = std::min(r.length, size - r.offset);
        const auto to = target.begin() + std::ptrdiff_t(r.offset);
        if (r.bytes.empty())
            std::fill_n(to, length, r.value);
        else
            std::copy_n(r.bytes.begin(), length, to);
    }
    return target;
}
