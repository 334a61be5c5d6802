#include "state/remembered_original.h"

#include <cinttypes>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "patch/crc32.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

// A line that names the kind of file, a line with the CRC-32 in hexadecimal, then the
// original's path to the end of the file, so that any bytes a name holds survive.
constexpr std::string_view kFirstLine = "quarrix-editor original 1\n";
constexpr std::size_t kCrcLine = 9;
// Much longer than any path; a longer file is not one of ours.
constexpr std::size_t kLongestRecord = 8192;

std::string originalsFolder()
{
    return stateFolder() + "/originals";
}

std::string recordPath(const std::string& imagePath)
{
    return originalsFolder() + "/" + imageStateKey(imagePath);
}

}  // namespace

RememberedOriginal findRememberedOriginal(const std::string& imagePath)
{
    RememberedOriginal found;
    std::vector<std::uint8_t> record;
    try {
        record = readFileBytes(recordPath(imagePath), kLongestRecord);
    } catch (const std::exception&) {
        return found;
    }
    const std::string text(record.begin(), record.end());
    unsigned crc = 0;
    char newline = 0;
    if (!text.starts_with(kFirstLine) || text.size() <= kFirstLine.size() + kCrcLine ||
        std::sscanf(text.c_str() + kFirstLine.size(), "%8x%c", &crc, &newline) != 2 || newline != '\n')
        return found;  // not one of ours: as if none were remembered
    found.path = text.substr(kFirstLine.size() + kCrcLine);
    found.crc32 = std::uint32_t(crc);
    try {
        found.bytes = readFileBytes(found.path);
    } catch (const std::exception&) {
        found.status = RememberedOriginal::Status::Vanished;
        return found;
    }
    found.status =
        crc32Of(found.bytes) == found.crc32 ? RememberedOriginal::Status::Found : RememberedOriginal::Status::Changed;
    if (found.status != RememberedOriginal::Status::Found)
        found.bytes.clear();
    return found;
}

void rememberOriginal(const std::string& imagePath, const std::string& originalPath, std::uint32_t crc32)
{
    char crcLine[16];
    std::snprintf(crcLine, sizeof crcLine, "%08" PRIX32 "\n", crc32);
    const std::string text = std::string(kFirstLine) + crcLine + canonicalImagePath(originalPath);
    try {
        makeStateFolder(originalsFolder());
        writeFileAtomically(recordPath(imagePath), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    } catch (const std::exception& error) {
        throw std::runtime_error(
            fillIn(translated("remembered_original", "the original of '%1' could not be remembered: %2"),
                   {readableName(imagePath), error.what()}));
    }
}
