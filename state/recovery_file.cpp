#include "state/recovery_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editable_tables.h"
#include "model/stable_hash.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

constexpr char kMagic[8] = {'Q', 'R', 'X', 'E', 'D', 'I', 'T', 'S'};
constexpr std::uint32_t kVersion = 4;
// Files of earlier versions hold the tables that came before later ones in the list,
// which a restore puts back alone: version 1 was written before the palette sets could
// be edited, version 2 before the tiles could. Version 3 has all the tables but not the
// names of the steps.
constexpr std::size_t kTablesOfVersion[] = {0, 5, 6};
constexpr std::uint32_t kFirstVersionWithNames = 4;

std::size_t tablesSizeOf(std::uint64_t version)
{
    return version < std::size(kTablesOfVersion) ? editableTablesSize(kTablesOfVersion[version]) : editableTablesSize();
}

// The version whose files hold that many bytes of tables.
std::uint32_t versionHolding(std::size_t tablesSize)
{
    for (std::uint32_t version = 1; version < std::size(kTablesOfVersion); ++version)
        if (tablesSize == tablesSizeOf(version))
            return version;
    return kVersion;
}

// Only the newest names are kept, each cut to a length a list shows.
constexpr std::size_t kNamesKept = 100;
constexpr std::size_t kNameLimit = 1024;
// The largest file a valid one can be: the header, a path and the tables.
constexpr std::size_t kPathLimit = 4096;

std::string recoveryFolder()
{
    return stateFolder() + "/recovery";
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

void putU64(std::vector<std::uint8_t>& out, std::uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

// Reads little-endian numbers and byte runs, failing on the first read past the end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t number(int size)
    {
        need(std::size_t(size));
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t(bytes_[at_ + std::size_t(i)]) << (8 * i);
        at_ += std::size_t(size);
        return value;
    }
    std::span<const std::uint8_t> run(std::size_t size)
    {
        need(size);
        const auto out = bytes_.subspan(at_, size);
        at_ += size;
        return out;
    }
    std::size_t offset() const { return at_; }

private:
    void need(std::size_t size) const
    {
        if (bytes_.size() - at_ < size)
            throw RecoveryError(translated("recovery_file", "the file is cut short"));
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::string recoveryFilePath(const std::string& imagePath)
{
    return recoveryFolder() + "/" + imageStateKey(imagePath) + ".edits";
}

std::string discardedRecoveryPath(const std::string& imagePath)
{
    return recoveryFolder() + "/" + imageStateKey(imagePath) + ".discarded";
}

std::string damagedRecoveryPath(const std::string& imagePath)
{
    return recoveryFolder() + "/" + imageStateKey(imagePath) + ".damaged";
}

std::vector<std::uint8_t> encodeRecoveryFile(const RecoveryFile& file)
{
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    // Edits kept by an earlier version and not yet restored are kept as they came.
    const std::uint32_t version = versionHolding(file.tables.size());
    putU32(out, version);
    putU64(out, std::uint64_t(file.writtenAtMs));
    putU64(out, file.baseTablesHash);
    putU32(out, std::uint32_t(file.imagePath.size()));
    out.insert(out.end(), file.imagePath.begin(), file.imagePath.end());
    putU32(out, std::uint32_t(file.tables.size()));
    out.insert(out.end(), file.tables.begin(), file.tables.end());
    if (version >= kFirstVersionWithNames) {
        const std::size_t first = file.stepNames.size() > kNamesKept ? file.stepNames.size() - kNamesKept : 0;
        putU32(out, std::uint32_t(file.stepNames.size() - first));
        for (std::size_t i = first; i < file.stepNames.size(); ++i) {
            const std::string& name = file.stepNames[i];
            const std::size_t size = std::min(name.size(), kNameLimit);
            putU32(out, std::uint32_t(size));
            out.insert(out.end(), name.begin(), name.begin() + std::ptrdiff_t(size));
        }
    }
    putU64(out, stableHash(out));
    return out;
}

RecoveryFile decodeRecoveryFile(std::span<const std::uint8_t> bytes, const std::string& imagePath)
{
    Reader in(bytes);
    const auto magic = in.run(sizeof kMagic);
    if (std::memcmp(magic.data(), kMagic, sizeof kMagic) != 0)
        throw RecoveryError(translated("recovery_file", "it is not a file of kept edits"));
    const std::uint64_t version = in.number(4);
    if (version < 1 || version > kVersion)
        throw RecoveryError(translated("recovery_file", "it was written by another version of the editor"));
    RecoveryFile file;
    file.writtenAtMs = std::int64_t(in.number(8));
    file.baseTablesHash = in.number(8);
    const std::size_t pathSize = std::size_t(in.number(4));
    if (pathSize > kPathLimit)
        throw RecoveryError(translated("recovery_file", "the file is damaged"));
    const auto path = in.run(pathSize);
    file.imagePath.assign(path.begin(), path.end());
    const std::size_t tablesSize = std::size_t(in.number(4));
    if (tablesSize != tablesSizeOf(version))
        throw RecoveryError(translated("recovery_file", "the file is damaged"));
    const auto tables = in.run(tablesSize);
    file.tables.assign(tables.begin(), tables.end());
    if (version >= kFirstVersionWithNames) {
        const std::size_t count = std::size_t(in.number(4));
        if (count > kNamesKept)
            throw RecoveryError(translated("recovery_file", "the file is damaged"));
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t size = std::size_t(in.number(4));
            if (size > kNameLimit)
                throw RecoveryError(translated("recovery_file", "the file is damaged"));
            const auto name = in.run(size);
            file.stepNames.emplace_back(name.begin(), name.end());
        }
    }
    const std::size_t checked = in.offset();
    if (in.number(8) != stableHash(bytes.first(checked)) || in.offset() != bytes.size())
        throw RecoveryError(translated("recovery_file", "the file is damaged"));
    if (file.imagePath != canonicalImagePath(imagePath))
        throw RecoveryError(translated("recovery_file", "it belongs to another image"));
    return file;
}

void writeRecoveryFile(const RecoveryFile& file)
{
    makeStateFolder(recoveryFolder());
    const std::vector<std::uint8_t> bytes = encodeRecoveryFile(file);
    const std::string path = recoveryFilePath(file.imagePath);
    try {
        writeFileAtomically(path, bytes);
    } catch (const std::exception&) {
        const int reason = errno ? errno : EIO;
        throw std::runtime_error(
            fillIn(translated("recovery_file", "cannot write '%1': %2"), {readableName(path), std::strerror(reason)}));
    }
    std::remove(discardedRecoveryPath(file.imagePath).c_str());
}

void removeRecoveryFile(const std::string& imagePath)
{
    std::remove(recoveryFilePath(imagePath).c_str());
}

bool setRecoveryFileAside(const std::string& imagePath, const std::string& aside)
{
    return std::rename(recoveryFilePath(imagePath).c_str(), aside.c_str()) == 0;
}
