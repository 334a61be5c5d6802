#pragma once

#include <cstdint>
#include <string>

#include "model/change_marks.h"
#include "model/chip_set_cache.h"
#include "model/edit_history.h"
#include "model/editor_host.h"
#include "model/frame_inputs.h"
#include "model/object_names.h"
#include "model/selection.h"
#include "model/stage_records.h"
#include "model/surface.h"
#include "model/tile_sources.h"

// The one editor object: the level tables of all sixteen stages, the palette
// animations they share, the editing state and the three drawing surfaces.
//
// Tables are indexed by stage first and addressed directly by (curStage, index); the
// operations are implemented in the folder of the subsystem they belong to:
// rom/ (loadRom, saveRom), render/ (chips, refresh, paint), edit/ (commands,
// onMouse, onKeyDown), model/ (selectPaletteSet) and core/ (construction and
// createSurfaces, which carry the table of operations).
class EDITOR {
public:
    EDITOR();
    EDITOR(const EDITOR&) = delete;
    EDITOR& operator=(const EDITOR&) = delete;

    // --- Editing state -----------------------------------------------------------
    std::int32_t viewPos = 0;     // first page (MAP, OBJECT) or map set (MAP SET) shown
    std::int32_t curStage = 0;    // 0 to 15
    std::int32_t curTab = 0;      // the current view, 0 to 4 (View)
    std::int32_t curPalSet = 0;   // 0 to 3
    std::int32_t curChipSet = 0;  // 0 to 255; bit 7 also picks the half shown in CHIP SET
    std::int32_t curChip = 0;     // 0 to 255
    std::int32_t curTile = 0;     // 0 to 255
    std::int32_t curObject = 0;   // 0 to 63
    std::int32_t cursorCol = 0;   // MAP SET cursor column across both map sets, 0 to 15
    std::int32_t cursorRow = 0;   // MAP SET cursor row, 0 to 7
    // Several items of the current view at once, for copying, pasting and filling.
    Selection selection;

    // --- Stage tables ------------------------------------------------------------
    std::uint8_t pageSet[kStageCount][kPageCount] = {};
    // Map set cell in column c, row r is entry c * 8 + r.
    std::uint8_t mapSet[kStageCount][kMapSetCount][kMapSetCells] = {};
    ObjectRecord object[kStageCount][kObjectSlots] = {};
    PaletteRecord curPal[kStageCount] = {};
    PaletteRecord palSet[kStageCount][kPaletteSetCount] = {};
    PaletteAnimation palAnim[kPaletteAnimationCount] = {};
    std::uint8_t tileGfx[kStageCount][kTileCount][kTileBytes] = {};
    ChipRecord chip[kStageCount][kChipCount] = {};
    std::uint8_t chipSet[kStageCount][kChipSetCount][4] = {};
    // Where each tile of tileGfx was loaded from; tiles of one source change together.
    TileSources tileSources;

    // --- Undo history of the tables above ------------------------------------------
    EditHistory history;
    // --- What differs from the image compared with, for Show Changes ----------------
    ChangeMarks changeMarks;
    // --- The user's names of the objects' data values (none until a file is read) ---
    ObjectNames objectNames;

    // --- Drawing surfaces ----------------------------------------------------------
    Surface viewSurface;     // 512 x 528: the composed view
    Surface chipSurface;     // 256 x 256: chip c at (16 (c mod 16), 16 (c / 16))
    Surface chipSetSurface;  // 512 x 512: chip set b at (32 (b mod 16), 32 (b / 16))

    // --- Operations, in slot order -------------------------------------------------
    virtual void createSurfaces();
    virtual ~EDITOR();
    virtual void drawChips();
    virtual void drawAnimatedChips();
    virtual void drawChipSets();
    virtual void refresh(int ticks);

    virtual void stepPageSet(int pos, int step);
    virtual void stepObject(int step);
    virtual void moveObjectX(int step);
    virtual void moveObjectY(int step);
    virtual void stepObjectData(int step);
    virtual void eraseObject();
    virtual void insertObject();
    virtual void stepChipPalette(int step);
    virtual void stepChipStyle(int step);

    virtual void onKeyDown(int key, std::intptr_t keyData);
    virtual void onMouse(int x, int y);
    virtual void paint();
    virtual void loadRom(const std::string& fileName);
    virtual void saveRom(const std::string& fileName);
    virtual void selectPaletteSet(int k);

    // --- Drawing helpers -----------------------------------------------------------
    void drawChipTile(int x, int y, int tile, int subPalette);
    void drawAnimatedChipTile(int x, int y, int tile, int subPalette);
    void stepPaletteAnimations(int ticks);
    void drawMapPages();
    void drawObjects();
    void drawPaletteStrip();
    // drawAnimatedChips for the chips drawn in the sub-palettes marked only and, unless
    // onlyChips is nullptr, marked there too, marking each chip it draws; buildChipSets
    // is drawChipSets when only the chips marked in onlyChips (any with nullptr) can
    // have changed since the last build.
    void drawAnimatedChipsIn(const bool (&subPalettes)[4], const bool* onlyChips, bool (&drawn)[kChipCount]);
    void buildChipSets(const bool* onlyChips);
    // An animation frame of a view that shows few chips draws only those: the other
    // animated chips, and the chip sets that show them, stay a step behind until this
    // (or refresh(0)) draws them, for a reader of the whole sheets.
    void catchUpSheets();
    // What the last drawChipSets found changed.
    const SheetChanges& lastSheetChanges() const { return chipSetCache_.lastChanges; }

    // --- The application around the editor -----------------------------------------
    // The host is not owned; it must outlive the editor or be replaced first.
    // Without one, a NullEditorHost is used.
    void setHost(EditorHost* host);
    EditorHost& host() const { return *host_; }

private:
    EditorHost* host_ = nullptr;
    ChipSetSheetCache chipSetCache_;
    bool sheetsBehind_ = false;  // see catchUpSheets
    FrameInputs lastFrame_;
    std::vector<std::uint8_t> frameState_;  // reused by every refresh
};
