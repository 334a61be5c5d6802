#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "edit/virtual_keys.h"
#include "model/editor.h"
#include "support/fake_host.h"

// An editor on stage 2 behind a fake application, with helpers to fill the object list.
class EditingTest : public ::testing::Test {
protected:
    EditingTest() : editor(std::make_unique<EDITOR>()), host(*editor)
    {
        editor->createSurfaces();
        editor->curStage = host.stageSelection = 2;
    }

    ObjectRecord* objects() { return editor->object[editor->curStage]; }

    // Slots 0 to count - 1 used (slot i on page i mod 48, x 16 i, data i), the rest free as loaded.
    void fillObjects(int count)
    {
        for (int i = 0; i < kObjectSlots; ++i)
            objects()[i] = i < count
                ? ObjectRecord{std::uint8_t(i % kPageCount), std::uint8_t(16 * i), 0, std::uint8_t(i)}
                : ObjectRecord{kEmptyObjectPage, 0, 0, 0};
    }

    // The number of used slots, or -1 when a used slot follows a free one.
    int objectCount()
    {
        int count = 0;
        while (count < kObjectSlots && objects()[count].isUsed())
            ++count;
        for (int slot = count; slot < kObjectSlots; ++slot)
            if (objects()[slot].isUsed())
                return -1;
        return count;
    }

    // The current stage's object list as it is now, to check that nothing changed.
    std::array<ObjectRecord, kObjectSlots> objectList()
    {
        std::array<ObjectRecord, kObjectSlots> list;
        std::memcpy(list.data(), objects(), sizeof(ObjectRecord) * kObjectSlots);
        return list;
    }
    bool objectListIs(const std::array<ObjectRecord, kObjectSlots>& list)
    {
        return std::memcmp(list.data(), objects(), sizeof(ObjectRecord) * kObjectSlots) == 0;
    }

    // The smallest rectangle of the chip surface holding every pixel drawn since it was
    // created white, and how many such pixels there are.
    struct Drawn {
        Rect bounds;
        int pixels = 0;
    };
    Drawn drawnOnChipSurface() const
    {
        const Surface& surface = editor->chipSurface;
        int left = surface.width(), top = surface.height(), right = -1, bottom = -1, pixels = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.pixel(x, y) != kWhite) {
                    left = std::min(left, x), top = std::min(top, y);
                    right = std::max(right, x), bottom = std::max(bottom, y);
                    ++pixels;
                }
        if (pixels == 0)
            return {};
        return {{left, top, right - left + 1, bottom - top + 1}, pixels};
    }

    void view(int tab) { editor->curTab = host.tabSelection = tab; }

    std::unique_ptr<EDITOR> editor;
    FakeHost host;
};
