#pragma once

#include <memory>
#include <span>
#include <string>

class EDITOR;

// What the runs without a window check and read before they write anything.

// Whether the arguments name one of the options, alone or as "--option=value": a
// run that does is a run without a window, decided before the toolkit starts.
bool namesAnyOption(int argc, char* argv[], std::span<const char* const> options);

// The stage an option names (see parseStage); anything else is refused, saying why.
int stageArgument(const std::string& text);

// Refuses an output that is one of the inputs: writing it would destroy what is read.
void refuseOverInput(const std::string& out, const std::string& input);

// An editor of its own holding every stage of the image.
std::unique_ptr<EDITOR> loadedImage(const std::string& imagePath);
