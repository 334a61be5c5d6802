#include "swc/window_registry.h"

#include "swc/top_level_window.h"

#include <QObject>
#include <QWidget>
#include <cctype>
#include <set>
#include <unordered_map>

namespace swc {
namespace {

std::unordered_map<HWND, WindowRecord>& windows()
{
    static std::unordered_map<HWND, WindowRecord> table;
    return table;
}

std::set<std::string>& classNames()
{
    static std::set<std::string> names;
    return names;
}

// Class names are not case-sensitive on the platform.
std::string classKey(const std::string& className)
{
    std::string key = className;
    for (char& c : key)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

void addWindow(HWND hwnd, const WindowRecord& record)
{
    windows()[hwnd] = record;
    // The pointer is only a key by the time destroyed() fires; nothing dereferences it.
    QObject::connect(hwnd, &QObject::destroyed, [hwnd] { removeWindow(hwnd); });
}

void removeWindow(HWND hwnd)
{
    windows().erase(hwnd);
}

WindowRecord* findWindow(HWND hwnd)
{
    auto found = windows().find(hwnd);
    return found == windows().end() ? nullptr : &found->second;
}

bool anyWindowOfClass(const std::string& className)
{
    for (const auto& entry : windows()) {
        if (entry.second.kind == WindowKind::TopLevel && classKey(entry.second.className) == classKey(className))
            return true;
    }
    return false;
}

LRESULT dispatchMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const WindowRecord* record = findWindow(hwnd);
    if (!record || !record->procedure)
        return 0;
    return record->procedure(hwnd, msg, wParam, lParam);
}

LRESULT notifyParent(HWND control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!control)
        return 0;
    // A control of a top-level window sits in its client area and notifies the window.
    QWidget* parent = control->parentWidget();
    if (TopLevelWindow* window = ownerOfClientArea(parent))
        parent = window;
    return dispatchMessage(parent, msg, wParam, lParam);
}

bool registerClassName(const std::string& className)
{
    return classNames().insert(classKey(className)).second;
}

bool unregisterClassName(const std::string& className)
{
    return classNames().erase(classKey(className)) > 0;
}

}  // namespace swc
