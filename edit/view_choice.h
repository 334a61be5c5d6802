#pragma once

class EDITOR;

// Selects another stage, palette set or view the way the user would in the controls,
// but without their notification, so the selections are applied here. A number out
// of range does nothing: none of them wraps around.
void chooseStage(EDITOR& editor, int stage);
void choosePaletteSet(EDITOR& editor, int paletteSet);
void chooseView(EDITOR& editor, int view);
