#include "edit/key_reference.h"

#include "edit/commands.h"

#include "edit/key_tables.h"
#include "edit/mouse_areas.h"
#include "edit/step_buttons.h"
#include "edit/virtual_keys.h"
#include "model/stage_records.h"
#include "model/view_geometry.h"
#include "text/translation.h"

namespace {

std::string withModifiers(const std::string& prefix, const KeyBinding& binding, int key)
{
    return prefix + (binding.shift == ShiftUse::With ? "Shift+" : "") + keyName(key);
}

ReferenceEntry entryOf(const KeyBinding& binding, const std::string& prefix)
{
    std::string input = withModifiers(prefix, binding, binding.key);
    if (binding.twin != 0)
        input += ", " + withModifiers(prefix, binding, binding.twin);
    return {input, translated("key_tables", binding.does)};
}

void addKeys(ReferenceSection& section, int view, std::span<const KeyBinding> table, const std::string& prefix = "")
{
    for (const KeyBinding& binding : table)
        if (binding.appliesIn(view))
            section.entries.push_back(entryOf(binding, prefix));
}

std::string mouseText(const char* text)
{
    return translated("mouse_editing", text);
}

ReferenceSection mouseSection(int view, const char* viewName)
{
    ReferenceSection section{fillIn(translated("key_reference", "Mouse in \"%1\""), {viewName}), {}};
    for (const MouseArea& area : mouseAreas(view)) {
        const std::string name = mouseText(area.name);
        if (area.pointer)
            section.entries.push_back(
                {fillIn(translated("key_reference", "Pointer over %1"), {name}), mouseText(area.pointerDoes)});
        if (area.left)
            section.entries.push_back(
                {fillIn(translated("key_reference", "Left button on %1"), {name}), mouseText(area.leftDoes)});
        if (area.right)
            section.entries.push_back(
                {fillIn(translated("key_reference", "Right button on %1"), {name}), mouseText(area.rightDoes)});
        if (area.shiftDrag)
            section.entries.push_back(
                {fillIn(translated("key_reference", "Shift+drag over %1"), {name}), mouseText(area.shiftDragDoes)});
    }
    if (section.entries.empty())
        section.entries.push_back(
            {translated("key_reference", "Mouse"), translated("key_reference", "does nothing in this view")});
    return section;
}

// The step buttons in the order the view places them, by their labels.
ReferenceSection buttonSection(int view, const char* viewName)
{
    ReferenceSection section{fillIn(translated("key_reference", "Buttons in \"%1\""), {viewName}), {}};
    for (const StepButtonPlace& place : stepButtonPlaces(view))
        for (const StepButtonBinding& button : stepButtonTable(view))
            if (button.index == place.index)
                section.entries.push_back({fillIn(translated("key_reference", "Button \"%1\""), {place.label}),
                                           translated("step_buttons", button.does)});
    return section;
}

// The commands of the menus that no key gives, by where they are in the menus.
ReferenceSection menuSection(int view)
{
    ReferenceSection section{translated("key_reference", "In the menus only"), {}};
    for (const Command& command : commands())
        if (command.appliesIn(view) && commandShortcut(command).empty())
            section.entries.push_back(
                {translated("commands", menuName(command.menu)) + " > " + translated("commands", command.label),
                 translated("commands", command.does)});
    return section;
}

const KeyBinding* firstKeyOf(std::span<const KeyBinding> table, const Command& command)
{
    for (const KeyBinding& binding : table)
        if (binding.command && std::string_view(binding.command) == command.id)
            return &binding;
    return nullptr;
}

}  // namespace

std::string commandShortcut(const Command& command)
{
    if (const KeyBinding* binding = firstKeyOf(ctrlKeyTable(), command))
        return withModifiers("Ctrl+", *binding, binding->key);
    if (const KeyBinding* binding = firstKeyOf(everyViewKeyTable(), command))
        return withModifiers("", *binding, binding->key);
    return {};
}

std::vector<ReferenceSection> keyReference(int view)
{
    if (view < 0 || view >= kViewCount)
        return {};
    const char* viewName = kViewNames[view];
    ReferenceSection keys{fillIn(translated("key_reference", "Keys in \"%1\""), {viewName}), {}};
    addKeys(keys, view, everyViewKeyTable());
    addKeys(keys, view, viewKeyTable(view));
    ReferenceSection ctrl{translated("key_reference", "Keys with Ctrl"), {}};
    addKeys(ctrl, view, ctrlKeyTable(), "Ctrl+");
    std::vector<ReferenceSection> sections{keys, mouseSection(view, viewName), ctrl};
    if (ReferenceSection buttons = buttonSection(view, viewName); !buttons.entries.empty())
        sections.push_back(std::move(buttons));
    sections.push_back(menuSection(view));
    return sections;
}

std::string keyName(int virtualKey)
{
    switch (virtualKey) {
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Escape";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "Page Up";
    case VK_NEXT: return "Page Down";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_OEM_PLUS: return "=";
    case VK_OEM_MINUS: return "-";
    case VK_ADD: return "Num +";
    case VK_SUBTRACT: return "Num -";
    case VK_NUMPAD0: return "Num 0";
    default: break;
    }
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 24)
        return std::string("F").append(std::to_string(virtualKey - VK_F1 + 1));
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return std::string(1, char(virtualKey));
    return std::string("key ").append(std::to_string(virtualKey));
}
