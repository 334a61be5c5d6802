#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

#include "model/editable_tables.h"
#include "model/editor.h"
#include "model/view_geometry.h"
#include "render/animated_view_parts.h"
#include "render/views.h"

namespace {

template <typename T>
void appendBytes(std::vector<std::uint8_t>& out, const T& value)
{
    static_assert(std::is_trivially_copyable_v<T>);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

// The palette's colours close the frame state, so that a frame on which only the
// animation moved on differs from the last in these bytes alone.
constexpr std::size_t kColourBytes = sizeof(PaletteRecord::colour);

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
    for (const EditableTable& table : editableTableList()) {
        const std::uint8_t* bytes = stageTableBytes(editor, table, s);
        out.insert(out.end(), bytes, bytes + table.stageSize);
    }
    appendBytes(out, editor.curPal[s].selector);
    // The panel's name line is drawn from the names as well.
    appendBytes(out, editor.objectNames.revision);
    appendBytes(out, editor.changeMarks.shown ? editor.changeMarks.revision : 0);
    appendBytes(out, editor.curPal[s].colour);
}

// The current palette is a copy of the chosen palette set that the animation changes as
// it runs. When the set itself changes, each sub-palette that changed is taken again,
// selector and colours, so that a selector turned off shows the stored colours, and the
// chips drawn with it are drawn again. Returns whether the palette changed.
bool followPaletteSet(EDITOR& editor, FrameInputs& last)
{
    const int s = editor.curStage;
    const int k = editor.curPalSet;
    if (s < 0 || s >= kStageCount || k < 0 || k >= kPaletteSetCount)
        return false;
    const PaletteRecord& set = editor.palSet[s][k];
    if (last.paletteStage != s || last.paletteSet != k) {
        // Choosing a stage or a set copies the set in its own right.
        last.paletteStage = s;
        last.paletteSet = k;
        last.paletteSource = set;
        return false;
    }
    bool changed = false;
    PaletteRecord& palette = editor.curPal[s];
    for (int p = 0; p < 4; ++p)
        if (std::memcmp(set.colour[p], last.paletteSource.colour[p], sizeof set.colour[p]) != 0 ||
            set.selector[p] != last.paletteSource.selector[p]) {
            std::memcpy(palette.colour[p], set.colour[p], sizeof set.colour[p]);
            palette.selector[p] = set.selector[p];
            changed = true;
        }
    last.paletteSource = set;
    return changed;
}

// Drawing on a tile changes the chips that show it, which the editing commands do not
// redraw themselves. Returns whether the current stage's tiles changed since the last
// frame; a change of stage redraws the chips where the stage is chosen.
bool followTiles(const EDITOR& editor, FrameInputs& last)
{
    const int s = editor.curStage;
    if (s < 0 || s >= kStageCount)
        return false;
    const bool changed = last.tileStage == s && std::memcmp(last.tiles, editor.tileGfx[s], sizeof last.tiles) != 0;
    if (changed || last.tileStage != s)
        std::memcpy(last.tiles, editor.tileGfx[s], sizeof last.tiles);
    last.tileStage = s;
    return changed;
}

bool onlyColoursDiffer(const std::vector<std::uint8_t>& now, const std::vector<std::uint8_t>& before)
{
    return now.size() == before.size() && now.size() >= kColourBytes &&
        std::equal(now.begin(), now.end() - kColourBytes, before.begin());
}

// Keeps drawing within a part of the view for as long as it lives.
class ClipTo {
public:
    ClipTo(Surface& surface, const Rect& part) : surface_(surface) { surface_.setClip(part); }
    ~ClipTo() { surface_.clearClip(); }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;

private:
    Surface& surface_;
};

// Composes the view again within each part only and shows those parts.
void showAnimatedParts(EDITOR& editor, const std::vector<Rect>& parts)
{
    const std::uint64_t since = editor.viewSurface.version();
    for (const Rect& part : parts) {
        const ClipTo clip(editor.viewSurface, part);
        composeView(editor);
    }
    editor.host().showViewChanges(editor.viewSurface, copiedRects(editor.curTab), leftOutRects(editor.curTab), parts,
                                  since);
}

}  // namespace

// Brings the animated chips, the chip sets and the current view up to date and shows
// the view at once instead of waiting for the platform to ask for a repaint. Most
// frames change nothing: the animation steps every few ticks and the user is idle, so a
// frame that finds what the last one drew from, surfaces untouched since, only shows
// the view again. A frame on which the animation alone moved on draws the view again
// only where it shows the chips that changed and the palette's colours.
void EDITOR::refresh(int ticks)
{
    host().invalidateView();
    const bool paletteChanged = followPaletteSet(*this, lastFrame_);
    if (followTiles(*this, lastFrame_) || paletteChanged)
        drawChips();
    stepPaletteAnimations(ticks);

    const bool knownStage = curStage >= 0 && curStage < kStageCount;
    // Asked for without ticks, by a reader of the whole sheets: the chips that the
    // animation frames left behind are drawn too.
    const bool catchingUp = ticks == 0 && sheetsBehind_;
    bool animationOnly = false;
    if (knownStage) {
        collectFrameState(*this, frameState_);
        const bool surfacesAsLeft = lastFrame_.valid && lastFrame_.host == &host() &&
            lastFrame_.chipVersion == chipSurface.version() && lastFrame_.chipSetVersion == chipSetSurface.version() &&
            lastFrame_.viewVersion == viewSurface.version() && !catchingUp;
        if (surfacesAsLeft && lastFrame_.state == frameState_) {
            showComposedView(*this);
            return;
        }
        animationOnly =
            surfacesAsLeft && curTab >= 0 && curTab < kViewCount && onlyColoursDiffer(frameState_, lastFrame_.state);
    }

    std::optional<std::vector<Rect>> parts;
    if (animationOnly) {
        // Only the chips in the sub-palettes whose colours moved on can look different.
        // The last frame's colours close its state, sub-palette by sub-palette.
        const std::uint8_t* shownColours = lastFrame_.state.data() + lastFrame_.state.size() - kColourBytes;
        const auto& colours = curPal[curStage].colour;
        bool moved[4];
        for (int p = 0; p < 4; ++p)
            moved[p] =
                std::memcmp(shownColours + sizeof colours[p] * std::size_t(p), colours[p], sizeof colours[p]) != 0;
        // A view of two pages draws only the chips it shows: most of the sheet's
        // animated chips lie in chip sets of other pages.
        bool shown[kChipCount] = {};
        const bool fewShown = chipsOfShownPages(*this, shown);
        bool drawn[kChipCount] = {};
        drawAnimatedChipsIn(moved, fewShown ? shown : nullptr, drawn);
        buildChipSets(drawn);
        parts = animatedViewParts(*this, moved);
    } else {
        drawAnimatedChips();
        drawChipSets();
    }
    if (parts)
        showAnimatedParts(*this, *parts);
    else
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
