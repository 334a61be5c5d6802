#include "support/fake_host.h"

#include <algorithm>

FakeHost::FakeHost(EDITOR& editor) : editor_(editor)
{
    editor_.setHost(this);
}

FakeHost::~FakeHost()
{
    editor_.setHost(nullptr);
}

std::string FakeHost::textAt(int x, int y) const
{
    for (const Text& t : texts)
        if (t.x == x && t.y == y)
            return t.text;
    return {};
}

void FakeHost::setScrollPos(int pos)
{
    scrollPos = pos;
    scrollPositionsSet.push_back(pos);
    editor_.viewPos = pos;
    editor_.refresh(1);
}

void FakeHost::scrollBy(int delta)
{
    scrollPos = std::clamp(scrollPos + delta, 0, scrollMax);
    scrollPositionsSet.push_back(scrollPos);
    editor_.viewPos = scrollPos;
    editor_.refresh(1);
}

void FakeHost::applySelections()
{
    ++applySelectionsCalls;
    editor_.curStage = stageSelection;
    editor_.curPalSet = paletteSelection;
    editor_.selectPaletteSet(paletteSelection);
    editor_.curTab = tabSelection;
    if (tabSelection == kViewMap || tabSelection == kViewObject)
        scrollMax = 46;
    else if (tabSelection == kViewMapSet)
        scrollMax = 30;
    editor_.drawChips();
}

void FakeHost::messageBox(std::string_view text, std::string_view caption, MessageIcon icon)
{
    messages.push_back({std::string(text), std::string(caption), icon});
}

void FakeHost::drawText(Surface&, int x, int y, std::string_view text)
{
    texts.push_back({x, y, std::string(text)});
}

void FakeHost::showView(const Surface&, std::span<const Rect> copied, std::span<const Rect> leftOut)
{
    ++viewsShown;
    lastCopied.assign(copied.begin(), copied.end());
    lastLeftOut.assign(leftOut.begin(), leftOut.end());
}

void FakeHost::writeClipboard(std::string_view text, const Surface& picture)
{
    clipboardText = text;
    clipboardPicture = picture;
    ++clipboardWrites;
}
