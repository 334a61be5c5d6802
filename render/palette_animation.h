#pragma once

#include "model/stage_records.h"

// Steps the animations that the animated sub-palettes of palette name by ticks and
// copies their current colours into it, as the frame clock does for the current stage
// (EDITOR::stepPaletteAnimations). animations are the 64 shared palette animations.
void stepAnimatedSubPalettes(PaletteRecord& palette, PaletteAnimation* animations, int ticks);

// Sub-palette subPalette of palette set paletteSet of a stage as the first frame after
// opening the image shows it: the stored colours, with those of an animated sub-palette
// taken from its animation started over and stepped by the frame clock's first tick.
// The pictures the editor exports are drawn in these colours. Leaves animations as
// they are.
PaletteRecord firstFramePalette(const PaletteRecord& stored, const PaletteAnimation* animations);
