#include "shell/cli/changes_listing.h"

#include <memory>

#include <nlohmann/json.hpp>

#include "changes/baseline.h"
#include "changes/change_items.h"
#include "file/file_access.h"
#include "model/editable_tables.h"
#include "model/editor.h"
#include "shell/cli/command_inputs.h"

std::string listChanges(const std::string& imagePath, const std::string& originalPath, bool json)
{
    const std::unique_ptr<EDITOR> editor = loadedImage(imagePath);
    const std::vector<std::uint8_t> original =
        tablesOfOriginalFile(originalPath, readFileBytes(imagePath).size(), *std::make_unique<EDITOR>());
    const std::vector<ChangeItem> items = describeChanges(original, editableTables(*editor), editor->tileSources);
    if (!json) {
        std::string text;
        for (const ChangeItem& item : items)
            text += item.text + "\n";
        return text;
    }
    nlohmann::json list = nlohmann::json::array();
    for (const ChangeItem& item : items) {
        nlohmann::json entry = {{"stage", item.stage}, {"table", editableTableList()[std::size_t(item.table)].name},
                                {"place", item.place}, {"old", nullptr},
                                {"new", nullptr},      {"count", item.count}};
        if (!item.oldValue.empty()) {
            entry["old"] = item.oldValue;
            entry["new"] = item.newValue;
        }
        if (item.stages.size() > 1)
            entry["stages"] = item.stages;
        list.push_back(std::move(entry));
    }
    return list.dump(1) + "\n";
}
