// Every key acts through the key tables, which the key reference also lists.
#include "edit/key_tables.h"
#include "edit/selection_editing.h"
#include "edit/virtual_keys.h"
#include "model/editor.h"
#include "text/translation.h"

void EDITOR::onKeyDown(int key, std::intptr_t /*keyData*/)
{
    const bool shift = host().isKeyDown(VK_SHIFT);
    const bool ctrl = host().isKeyDown(VK_CONTROL);
    // The keys of the application's commands (windows, dialogs, files) are run by the
    // application before the key reaches here.
    const KeyBinding* binding = findKeyBinding(curTab, key, ctrl, shift);
    const KeyAction action = binding ? actionOf(*binding) : nullptr;
    if (!action)
        return;
    if (const Command* command = commandOf(*binding))
        history.labelAction(translated("commands", command->label));
    const auto before = currentItem(*this);
    action(*this);
    // A selection being extended follows the current item wherever the key took it.
    followCurrentItem(*this, before);
}
