// Temporary definitions so the core links while editing is being written.
// Each function moves to its own file under edit/; delete this file when empty.
#include "model/editor.h"

void EDITOR::stepPageSet(int, int) {}
void EDITOR::stepObject(int) {}
void EDITOR::moveObjectX(int) {}
void EDITOR::moveObjectY(int) {}
void EDITOR::stepObjectData(int) {}
void EDITOR::eraseObject() {}
void EDITOR::insertObject() {}
void EDITOR::stepChipPalette(int) {}
void EDITOR::stepChipStyle(int) {}
void EDITOR::onKeyDown(int, std::intptr_t) {}
void EDITOR::onMouse(int, int) {}
