#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include <QImage>

#include "model/editor_host.h"

// Texts drawn as the views draw them: black on an opaque white background in the
// platform's default font, top-left aligned. The views draw the same few texts every
// frame, so each is rendered once.
class TextPictures {
public:
    // Draws text at (x, y) of surface, clipped to it.
    void draw(Surface& surface, int x, int y, std::string_view text);

private:
    const QImage& pictureOf(std::string_view text);
    std::unordered_map<std::string, QImage> pictures_;
};

// A host for drawing a stage's pictures away from any window (exports): it draws the
// texts and nothing else.
class TextDrawingHost : public NullEditorHost {
public:
    void drawText(Surface& surface, int x, int y, std::string_view text) override { texts_.draw(surface, x, y, text); }

private:
    TextPictures texts_;
};
