#pragma once

#include <string>
#include <vector>

class EDITOR;

// The copies of the image that play-testing starts the emulator on: the image with
// every stage as the editor holds it now, saved or not, written where the user's
// files are not, so the image itself is never touched.
class PlaytestCopies {
public:
    // How many copies the folder keeps; older ones go as new ones come.
    static constexpr int kKept = 3;

    // folder is made when the first copy is written.
    explicit PlaytestCopies(std::string folder);

    // Reads the image at imagePath as it is on disk, writes the editor's tables into
    // it exactly as Save would and stores the result as a new copy; a stage player in
    // the image is told to open on the editor's stage, page and palette set. Returns the copy's
    // path. Throws the stream errors of reading and writing, or std::runtime_error
    // when the folder cannot be made.
    std::string write(const EDITOR& editor, const std::string& imagePath);

    // Once a copy is in use: removes all but the kKept newest copies in the folder,
    // also those that other runs left.
    void keepNewest() const;

    // Removes one copy that this object wrote, one that was never used.
    void remove(const std::string& path);

    // Removes the copies that this object wrote and that are still there.
    void removeOwn();

    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    std::vector<std::string> written_;
    int counter_ = 0;
};

// stateFolder()/playtest.
std::string playtestFolder();
