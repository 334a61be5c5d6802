#include <cstring>
#include <type_traits>

#include "model/editor.h"
#include "render/views.h"

namespace {

template <typename T>
void appendBytes(std::vector<std::uint8_t>& out, const T& value)
{
    static_assert(std::is_trivially_copyable_v<T>);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

// Everything of the editor that the animated chips, the chip-set sheet and the view are
// drawn from, apart from the surfaces themselves.
void collectFrameState(const EDITOR& editor, std::vector<std::uint8_t>& out)
{
    out.clear();
    for (const std::int32_t value :
         {editor.viewPos, editor.curStage, editor.curTab, editor.curPalSet, editor.curChipSet, editor.curChip,
          editor.curTile, editor.curObject, editor.cursorCol, editor.cursorRow})
        appendBytes(out, value);
    const Selection& selection = editor.selection;
    for (const int value : {selection.view, selection.stage, selection.anchor.group, selection.anchor.column,
                            selection.anchor.row, selection.end.column, selection.end.row})
        appendBytes(out, value);
    const int s = editor.curStage;
    appendBytes(out, editor.pageSet[s]);
    appendBytes(out, editor.mapSet[s]);
    appendBytes(out, editor.object[s]);
    appendBytes(out, editor.curPal[s]);
    appendBytes(out, editor.tileGfx[s]);
    appendBytes(out, editor.chip[s]);
    appendBytes(out, editor.chipSet[s]);
}

}  // namespace

// Brings the animated chips, the chip sets and the current view up to date and shows
// the view at once instead of waiting for the platform to ask for a repaint. Most
// frames change nothing: the animation steps every few ticks and the user is idle, so a
// frame that finds what the last one drew from, surfaces untouched since, only shows
// the view again.
void EDITOR::refresh(int ticks)
{
    host().invalidateView();
    stepPaletteAnimations(ticks);

    const bool knownStage = curStage >= 0 && curStage < kStageCount;
    if (knownStage) {
        collectFrameState(*this, frameState_);
        if (lastFrame_.valid && lastFrame_.host == &host() && lastFrame_.chipVersion == chipSurface.version() &&
            lastFrame_.chipSetVersion == chipSetSurface.version() && lastFrame_.viewVersion == viewSurface.version() &&
            lastFrame_.state == frameState_) {
            showComposedView(*this);
            return;
        }
    }

    drawAnimatedChips();
    drawChipSets();
    paint();

    lastFrame_.valid = knownStage;
    if (knownStage) {
        lastFrame_.state.swap(frameState_);
        lastFrame_.host = &host();
        lastFrame_.chipVersion = chipSurface.version();
        lastFrame_.chipSetVersion = chipSetSurface.version();
        lastFrame_.viewVersion = viewSurface.version();
    }
}
