#include "changes/baseline.h"

#include <stdexcept>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "rom/load_rom.h"
#include "text/translation.h"

std::vector<std::uint8_t> tablesOfOriginal(std::span<const std::uint8_t> original, std::size_t imageSize,
                                           EDITOR& scratch)
{
    if (original.size() > imageSize)
        throw std::runtime_error(fillIn(
            translated("baseline", "it is larger than the image: an original has the size of its image, %1 bytes"),
            {std::to_string(imageSize)}));
    if (original.size() < imageSize)
        throw std::runtime_error(
            fillIn(translated("baseline", "it is %1 bytes: an original has the size of its image, %2 bytes"),
                   {std::to_string(original.size()), std::to_string(imageSize)}));
    loadRomImage(scratch, original);
    return editableTables(scratch);
}

std::vector<std::uint8_t> tablesOfOriginalFile(const std::string& path, std::size_t imageSize, EDITOR& scratch)
{
    // One byte more than the image tells a larger file without reading it whole; a
    // file that cannot be read says so by its own error, which names it.
    const std::vector<std::uint8_t> bytes = readFileBytes(path, imageSize + 1);
    try {
        return tablesOfOriginal(bytes, imageSize, scratch);
    } catch (const std::exception& error) {
        throw std::runtime_error(
            fillIn(translated("baseline", "'%1' cannot be the original: %2"), {readableName(path), error.what()}));
    }
}
