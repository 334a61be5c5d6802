#include "changes/step_name.h"

#include <cctype>
#include <vector>

#include "changes/change_items.h"
#include "model/editor.h"

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
        name = command + " · " + name;
    }
    if (items.size() > 1)
        name += " and " + std::to_string(items.size() - 1) + " more";
    return name;
}

std::string restoredStepName(std::span<const std::string> keptNames, const std::string& ownName)
{
    if (keptNames.empty())
        return "Restored kept edits · " + ownName;
    std::string name = "Restored kept edits · " + keptNames.back();
    if (keptNames.size() > 1)
        name += " (and " + std::to_string(keptNames.size() - 1) + (keptNames.size() == 2 ? " step" : " steps") +
            " before it)";
    return name;
}
