#include "edit/replace_uses.h"

#include <string>

#include "edit/map_set_cursor.h"
#include "edit/usage_subject.h"
#include "model/editor.h"
#include "text/translation.h"

namespace {

constexpr int kLastMapSet = kMapSetCount - 1;
constexpr int kLastNumber = 0xFF;

std::string question(const UsageSubject& subject, std::size_t uses)
{
    const std::string item = itemName(subject.kind, subject.item);
    if (uses == 1)
        return fillIn(translated("replace_uses", "Replace 1 use of %1 with:"), {item});
    return fillIn(translated("replace_uses", "Replace %1 uses of %2 with:"), {std::to_string(uses), item});
}

}  // namespace

void replaceUses(EDITOR& editor, int stage, ItemKind kind, const std::vector<ItemUse>& uses, int replacement)
{
    const auto value = static_cast<std::uint8_t>(replacement);
    for (const ItemUse& use : uses) {
        switch (kind) {
        case ItemKind::MapSet: editor.pageSet[stage][use.holder] = value & kLastMapSet; break;
        case ItemKind::ChipSet: editor.mapSet[stage][use.holder][use.column * kMapSetRows + use.row] = value; break;
        case ItemKind::Chip: editor.chipSet[stage][use.holder][use.quadrant] = value; break;
        case ItemKind::Tile: break;
        }
    }
}

void replaceUsesOfCurrentItem(EDITOR& editor)
{
    const std::optional<UsageSubject> subject = currentUsageSubject(editor);
    if (!subject)
        return;
    const int stage = editor.curStage;
    const std::vector<ItemUse> uses = usesOf(editor, stage, subject->kind, subject->item);
    if (uses.empty())
        return;
    const int highest = subject->kind == ItemKind::MapSet ? kLastMapSet : kLastNumber;
    const int suggested = editor.curTab == kViewMapSet ? editor.curChipSet & kLastNumber : subject->item;
    const std::optional<int> replacement =
        editor.host().askReplacement(question(*subject, uses.size()), suggested, highest);
    if (!replacement || *replacement < 0 || *replacement > highest)
        return;
    replaceUses(editor, stage, subject->kind, uses, *replacement);
}
