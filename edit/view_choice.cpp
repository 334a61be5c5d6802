#include "edit/view_choice.h"

#include "model/editor.h"

void chooseStage(EDITOR& editor, int stage)
{
    if (stage < 0 || stage >= kStageCount)
        return;
    editor.host().selectStage(stage);
    editor.host().applySelections();
}

void choosePaletteSet(EDITOR& editor, int paletteSet)
{
    if (paletteSet < 0 || paletteSet >= kPaletteSetCount)
        return;
    editor.host().selectPaletteEntry(paletteSet);
    editor.host().applySelections();
}

void chooseView(EDITOR& editor, int view)
{
    if (view < 0 || view >= kViewCount)
        return;
    editor.host().selectTab(view);
    editor.host().applySelections();
}
