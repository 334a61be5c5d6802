#pragma once

#include <memory>
#include <string>

class EDITOR;

// What the runs without a window check and read before they write anything.

// The stage an option names (see parseStage); anything else is refused, saying why.
int stageArgument(const std::string& text);

// Refuses an output that is one of the inputs: writing it would destroy what is read.
void refuseOverInput(const std::string& out, const std::string& input);

// An editor of its own holding every stage of the image.
std::unique_ptr<EDITOR> loadedImage(const std::string& imagePath);
