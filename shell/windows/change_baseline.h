#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The image the changes are counted against: the one chosen with File > "Compare
// with...", else the original that Ctrl+E makes patches against, else the image as it
// was last saved or opened. Another image opened forgets the choice.

struct ChangeBaseline {
    std::string what;                         // for the panel: "the original remembered for Ctrl+E, quarrix-demo.nes"
    const std::vector<std::uint8_t>* tables;  // the baseline's tables, as a block
};

// The baseline of the open image now. The remembered original is looked up again when
// the image changes and when lookAgain is set.
ChangeBaseline changeBaseline(bool lookAgain = false);

// Compares with the image at path from now on. Returns why it cannot be, leaving the
// baseline as it was.
std::optional<std::string> compareWithImage(const std::string& path);

// Asks for the image to compare with, as File > "Compare with..." does.
void chooseComparisonImage();

// Counts every change made to the baseline's tables or to the choice; a change of
// baseline is a change of what the panel and the marks show.
std::uint64_t baselineRevision();
