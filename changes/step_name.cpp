#include "changes/step_name.h"

#include <cctype>
#include <vector>

#include "changes/change_items.h"
#include "model/editor.h"
#include "text/translation.h"

std::string stepName(const EDITOR& editor, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                     const std::string& label)
{
    const std::vector<ChangeItem> items = describeChanges(before, after, editor.tileSources);
    if (items.empty())
        return label;  // never: a step changes something
    std::string name = items.front().text;
    std::string command = label;
    // "Replace Uses..." opens a dialog; the step is what it did.
    if (command.ends_with("..."))
        command.resize(command.size() - 3);
    if (!command.empty()) {
        name[0] = char(std::tolower(static_cast<unsigned char>(name[0])));
        name = fillIn(translated("step_name", "%1 · %2"), {command, name});
    }
    if (items.size() > 1)
        name = fillIn(translated("step_name", "%1 and %2 more"), {name, std::to_string(items.size() - 1)});
    return name;
}

std::string restoredStepName(std::span<const std::string> keptNames, const std::string& ownName)
{
    if (keptNames.empty())
        return fillIn(translated("step_name", "Restored kept edits · %1"), {ownName});
    if (keptNames.size() == 1)
        return fillIn(translated("step_name", "Restored kept edits · %1"), {keptNames.back()});
    if (keptNames.size() == 2)
        return fillIn(translated("step_name", "Restored kept edits · %1 (and 1 step before it)"), {keptNames.back()});
    return fillIn(translated("step_name", "Restored kept edits · %1 (and %2 steps before it)"),
                  {keptNames.back(), std::to_string(keptNames.size() - 1)});
}
