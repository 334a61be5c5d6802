#include "state/save_with_backup.h"

#include "state/image_backups.h"

SaveResult saveRomWithBackup(const EDITOR& editor, const std::string& fileName)
{
    return saveRomImage(editor, fileName,
                        [&](std::span<const std::uint8_t> bytes) { keepImageBackup(fileName, bytes); });
}
