#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "model/editor.h"

// Every field of the editor's data and editing state as one byte string, so that a
// test can say "nothing changed" in one comparison.
inline std::vector<std::uint8_t> snapshotOf(const EDITOR& e)
{
    std::vector<std::uint8_t> out;
    auto add = [&out](const void* data, std::size_t size) {
        const std::size_t at = out.size();
        out.resize(at + size);
        if (size > 0)
            std::memcpy(out.data() + at, data, size);
    };
    const std::int32_t state[] = {e.viewPos, e.curStage, e.curTab,    e.curPalSet, e.curChipSet,
                                  e.curChip, e.curTile,  e.curObject, e.cursorCol, e.cursorRow};
    add(state, sizeof state);
    add(e.pageSet, sizeof e.pageSet);
    add(e.mapSet, sizeof e.mapSet);
    add(e.object, sizeof e.object);
    add(e.curPal, sizeof e.curPal);
    add(e.palSet, sizeof e.palSet);
    add(e.tileGfx, sizeof e.tileGfx);
    add(e.chip, sizeof e.chip);
    add(e.chipSet, sizeof e.chipSet);
    for (const PaletteAnimation& a : e.palAnim) {
        const std::uint32_t frameCount = std::uint32_t(a.frames.size());
        add(&frameCount, sizeof frameCount);
        add(a.frames.data(), a.frames.size() * sizeof(ColourTriple));
        const std::uint8_t rest[] = {a.delay, a.counter, a.frame};
        add(rest, sizeof rest);
    }
    return out;
}

// Fills the editor with a recognisable pattern, as if an earlier image had been
// loaded and edited, so that "left unchanged" is not the same as "left zero".
inline void fillWithPattern(EDITOR& e)
{
    std::uint8_t value = 1;
    auto fill = [&value](void* data, std::size_t size) {
        auto* bytes = static_cast<std::uint8_t*>(data);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = value = std::uint8_t(value * 5 + 3);
    };
    fill(e.pageSet, sizeof e.pageSet);
    fill(e.mapSet, sizeof e.mapSet);
    fill(e.object, sizeof e.object);
    fill(e.curPal, sizeof e.curPal);
    fill(e.palSet, sizeof e.palSet);
    fill(e.tileGfx, sizeof e.tileGfx);
    fill(e.chip, sizeof e.chip);
    fill(e.chipSet, sizeof e.chipSet);
    for (int a = 0; a < kPaletteAnimationCount; ++a) {
        e.palAnim[a].frames.assign(std::size_t(a % 5 + 1), ColourTriple{std::uint8_t(a), 2, 3});
        e.palAnim[a].delay = std::uint8_t(a + 1);
        e.palAnim[a].counter = std::uint8_t(a / 2);
        e.palAnim[a].frame = std::uint8_t(a % 5);
    }
    e.curStage = 7;
    e.curTab = 2;
    e.viewPos = 12;
    e.curObject = 3;
}
