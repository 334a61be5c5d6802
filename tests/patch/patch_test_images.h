#pragma once

#include <cstdint>
#include <vector>

#include "demo/demo_image.h"
#include "rom/rom_layout.h"

// The demo image and a copy edited the way a user edits: a page in stage 0, a run of
// map-set cells in stage 7, an object in stage 15 and a chip set painted over with one
// chip in stage 3.
struct EditedDemo {
    std::vector<std::uint8_t> original = makeDemoImage();
    std::vector<std::uint8_t> edited = original;

    EditedDemo()
    {
        namespace L = rom_layout;
        edited[L::stageBase(0) + L::kPageTable + 5] ^= 0x11;
        for (std::size_t i = 0; i < 24; ++i)
            edited[L::stageBase(7) + L::kMapSets + 100 + i] = std::uint8_t(i * 7);
        edited[L::stageBase(15) + L::kObjectX + 2] += 9;
        edited[L::stageBase(15) + L::kObjectY + 2] -= 3;
        for (std::size_t i = 0; i < 64; ++i)
            edited[L::stageBase(3) + L::kChipSets + 40 + i] = 0x2A;
    }
};
