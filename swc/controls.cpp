#include "swc/controls.h"

#include "swc/top_level_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "swc/scroll_bar_control.h"
#include "swc/static_control.h"
#include "swc/user32.h"
#include "swc/window_registry.h"

namespace swc {
namespace {

QString localText(const char* text)
{
    return QString::fromLocal8Bit(text ? text : "");
}

LRESULT buttonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == BM_CLICK) {
        // A real click: the button notifies its parent just as for the user's click.
        if (auto* button = qobject_cast<QPushButton*>(hwnd))
            button->click();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT comboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* combo = qobject_cast<QComboBox*>(hwnd);
    if (!combo)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case CB_ADDSTRING: {
        const auto* text = reinterpret_cast<const char*>(lParam);
        if (!text)
            return CB_ERR;
        // Adding an item selects nothing: Qt would select the first item added.
        const QSignalBlocker quiet(combo);
        const int selected = combo->currentIndex();
        combo->addItem(localText(text));
        combo->setCurrentIndex(selected);
        return combo->count() - 1;
    }
    case CB_SETCURSEL: {
        // The program's own choice raises no CBN_SELCHANGE.
        const QSignalBlocker quiet(combo);
        const auto index = std::intptr_t(wParam);
        if (index < 0 || index >= combo->count()) {
            combo->setCurrentIndex(-1);
            return CB_ERR;
        }
        combo->setCurrentIndex(int(index));
        return LRESULT(index);
    }
    case CB_GETCURSEL: return combo->currentIndex();  // -1 (CB_ERR) when nothing is selected
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT tabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* tabs = qobject_cast<QTabWidget*>(hwnd);
    if (!tabs)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case TCM_INSERTITEMA: {
        const auto* item = reinterpret_cast<const TCITEMA*>(lParam);
        if (!item)
            return -1;
        const QString text = (item->mask & TCIF_TEXT) ? localText(item->pszText) : QString();
        // The first tab becomes the selected one without a notification.
        const QSignalBlocker quiet(tabs);
        return tabs->insertTab(int(std::min<WPARAM>(wParam, WPARAM(tabs->count()))), new QWidget, text);
    }
    case TCM_SETCURSEL: {
        const QSignalBlocker quiet(tabs);
        const int previous = tabs->currentIndex();
        const auto index = std::intptr_t(wParam);
        if (index < 0 || index >= tabs->count())
            return -1;
        tabs->setCurrentIndex(int(index));
        return previous;
    }
    case TCM_GETCURSEL: return tabs->currentIndex();
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT staticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCHITTEST:
        // The mouse event goes on to the window beneath.
        return HTTRANSPARENT;
    case WM_PAINT:
        if (auto* control = dynamic_cast<StaticControl*>(hwnd)) {
            if (control->testAttribute(Qt::WA_WState_InPaintEvent))
                control->paintPicture();
            else
                control->update();
        }
        return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT scrollBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

WPARAM commandParam(HWND control, unsigned code)
{
    const WindowRecord* record = findWindow(control);
    return MAKEWPARAM(record ? record->controlId : 0, code);
}

HWND makeButton(const char* text, HWND parent)
{
    auto* button = new QPushButton(localText(text), parent);
    QObject::connect(button, &QPushButton::clicked, button,
                     [button] { notifyParent(button, WM_COMMAND, commandParam(button, BN_CLICKED), LPARAM(button)); });
    return button;
}

HWND makeComboBox(std::uint32_t style, HWND parent)
{
    auto* combo = new QComboBox(parent);
    // Without CBS_DROPDOWNLIST the platform's combo box has an edit field.
    combo->setEditable((style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Every change of the selection that reaches this connection is the user's: the
    // program's own changes block the combo box's signals.
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [combo] { notifyParent(combo, WM_COMMAND, commandParam(combo, CBN_SELCHANGE), LPARAM(combo)); });
    return combo;
}

HWND makeTabControl(HWND parent)
{
    auto* tabs = new QTabWidget(parent);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs] {
        const WindowRecord* record = findWindow(tabs);
        NMHDR header;
        header.hwndFrom = tabs;
        header.idFrom = record ? record->controlId : 0;
        header.code = TCN_SELCHANGE;
        notifyParent(tabs, WM_NOTIFY, WPARAM(header.idFrom), LPARAM(&header));
    });
    return tabs;
}

struct ControlClass {
    const char* name;
    WindowKind kind;
    WNDPROC procedure;
};

constexpr ControlClass controlClasses[] = {
    {"BUTTON", WindowKind::Button, buttonProc},
    {"COMBOBOX", WindowKind::ComboBox, comboBoxProc},
    {"STATIC", WindowKind::Static, staticProc},
    {"SCROLLBAR", WindowKind::ScrollBar, scrollBarProc},
    {"SysTabControl32", WindowKind::TabControl, tabControlProc},
};

const ControlClass* findControlClass(const char* className)
{
    if (!className)
        return nullptr;
    for (const ControlClass& entry : controlClasses) {
        // Class names are not case-sensitive on the platform.
        if (QLatin1String(entry.name).compare(QLatin1String(className), Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

}  // namespace

HWND createControl(const char* className, const char* text, std::uint32_t style, HWND parent, unsigned controlId)
{
    const ControlClass* controlClass = findControlClass(className);
    if (!controlClass || !parent)
        return nullptr;

    // The controls of a top-level window are placed in its client area.
    if (auto* window = dynamic_cast<TopLevelWindow*>(parent))
        parent = window->clientArea();

    HWND control = nullptr;
    switch (controlClass->kind) {
    case WindowKind::Button: control = makeButton(text, parent); break;
    case WindowKind::ComboBox: control = makeComboBox(style, parent); break;
    case WindowKind::Static: control = new StaticControl(parent); break;
    case WindowKind::ScrollBar: control = new ScrollBarControl(parent); break;
    case WindowKind::TabControl: control = makeTabControl(parent); break;
    case WindowKind::TopLevel: return nullptr;
    }
    if (controlClass->kind != WindowKind::Button)
        control->setWindowTitle(localText(text));

    WindowRecord record;
    record.kind = controlClass->kind;
    record.procedure = controlClass->procedure;
    record.controlId = controlId;
    addWindow(control, record);

    control->setGeometry(0, 0, 0, 0);
    if (style & WS_VISIBLE)
        control->show();
    return control;
}

WNDPROC classProcedure(HWND control)
{
    const WindowRecord* record = findWindow(control);
    if (!record)
        return nullptr;
    for (const ControlClass& entry : controlClasses) {
        if (entry.kind == record->kind)
            return entry.procedure;
    }
    return nullptr;
}

}  // namespace swc
