#pragma once

#include <optional>

class EDITOR;

// How many ticks of the frame clock may pass before the palette animation of the
// current stage can show something new. Up to that many ticks, one refresh with all of
// them leaves counters, frames and colours exactly as that many refreshes of one tick
// would, and every refresh of one tick before the last shows the frames and colours of
// now. None when the stage animates nothing: then time alone never changes the picture.
//
// A frame clock can sleep this long between frames without the animation looking or
// counting any different from one that refreshes every tick.
std::optional<int> ticksUntilAnimationChange(const EDITOR& editor);
