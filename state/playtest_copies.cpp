#include "state/playtest_copies.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

#include "file/file_access.h"
#include "model/editor.h"
#include "rom/player_program.h"
#include "rom/save_rom.h"
#include "state/newest_files.h"
#include "state/state_folder.h"

namespace {

// Emulators tell the image format by this ending.
constexpr const char* kCopyEnding = ".nes";
// Save reads the image whole, whatever its size; so does the copy.
constexpr std::size_t kWholeFile = SIZE_MAX - 1;

bool isCopyName(const std::string& name)
{
    // writeFileAtomically's temporary files start with a dot; they belong to a write
    // that may still be running.
    return !name.empty() && name[0] != '.' && name.size() > 4 && name.ends_with(kCopyEnding);
}

// The emulator gets the copy's name through a command line and the toolkit's text
// strings, so it holds plain letters only: an image name that is not UTF-8, or holds
// spaces or "%f", must not change on the way. The hash in the key keeps names apart.
std::string plainName(const std::string& key)
{
    std::string name = key;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_')
            c = '_';
    return name;
}

// The page the user is looking at: the first one shown in "MAP" and "OBJECT"; in
// "MAP SET" the first page that shows the map set on screen (the view's position counts
// map sets there); else the stage's first page.
int pageInSight(const EDITOR& editor)
{
    const int stage = editor.curStage & 0xF;
    if (editor.curTab == kViewMap || editor.curTab == kViewObject)
        return std::clamp(editor.viewPos, 0, kPageCount - 1);
    if (editor.curTab == kViewMapSet)
        for (int page = 0; page < kPageCount; ++page)
            if (editor.pageSet[stage][page] == editor.viewPos)
                return page;
    return 0;
}

}  // namespace

PlaytestCopies::PlaytestCopies(std::string folder) : folder_(std::move(folder))
{}

std::string PlaytestCopies::write(const EDITOR& editor, const std::string& imagePath)
{
    std::vector<std::uint8_t> image = readFileBytes(imagePath, kWholeFile);
    writeEditableTables(editor, image);
    // An image that carries the stage player opens where the editor stands.
    setPlayerStart(image,
                   PlayerStart{std::uint8_t(editor.curStage & 0xF), std::uint8_t(pageInSight(editor)),
                               std::uint8_t(editor.curPalSet & 3)});

    makeStateFolder(folder_);
    // The process id keeps two editors running at once apart; the counter, the copies
    // of one run, in an order that sorting by name keeps (file times are too coarse to
    // tell two quick copies apart).
    char number[32];
    std::snprintf(number, sizeof number, "-%d-%06d", int(::getpid()), ++counter_);
    const std::string path = folder_ + "/" + plainName(imageStateKey(imagePath)) + number + kCopyEnding;
    writeFileAtomically(path, image);
    written_.push_back(path);
    return path;
}

void PlaytestCopies::keepNewest() const
{
    keepNewestFiles(folder_, std::size_t(kKept), isCopyName);
}

void PlaytestCopies::remove(const std::string& path)
{
    const auto own = std::find(written_.begin(), written_.end(), path);
    if (own == written_.end())
        return;
    ::unlink(path.c_str());
    written_.erase(own);
}

void PlaytestCopies::removeOwn()
{
    for (const std::string& path : written_)
        ::unlink(path.c_str());
    written_.clear();
}

std::string playtestFolder()
{
    return stateFolder() + "/playtest";
}
