// Temporary definitions so the core links while rendering is being written.
// Each function moves to its own file under render/; delete this file when empty.
#include "model/editor.h"

void EDITOR::createSurfaces() {}
void EDITOR::drawChips() {}
void EDITOR::drawAnimatedChips() {}
void EDITOR::drawChipSets() {}
void EDITOR::refresh(int) {}
void EDITOR::paint() {}
void EDITOR::drawChipTile(int, int, int, int) {}
void EDITOR::drawAnimatedChipTile(int, int, int, int) {}
void EDITOR::stepPaletteAnimations(int) {}
void EDITOR::drawMapPages() {}
void EDITOR::drawObjects() {}
void EDITOR::drawPaletteStrip() {}
