#include "swc/subclass_filter.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include "swc/mouse_message.h"
#include "swc/static_control.h"
#include "swc/window_registry.h"

namespace swc {
namespace {

SubclassFilter* filterOf(QWidget* control)
{
    return control->findChild<SubclassFilter*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

void SubclassFilter::install(QWidget* control)
{
    if (!control || filterOf(control))
        return;
    control->installEventFilter(new SubclassFilter(control));
}

void SubclassFilter::remove(QWidget* control)
{
    if (!control)
        return;
    delete filterOf(control);
}

bool SubclassFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    const WindowRecord* record = findWindow(control);
    if (!record || record->kind != WindowKind::Static)
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // Qt sends this after the second press of a double click, which has already
        // been hit-tested: it is no pointer input of its own.
        return false;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const LRESULT hit = dispatchMessage(control, WM_NCHITTEST, 0, screenPoint(*mouse));
        if (hit == HTTRANSPARENT)
            return false;  // the control ignores it, so Qt hands it to the parent
        mouse->accept();
        return true;
    }
    case QEvent::Paint:
        if (auto* picture = dynamic_cast<StaticControl*>(control))
            picture->beginPaint(static_cast<QPaintEvent*>(event)->region());
        dispatchMessage(control, WM_PAINT, 0, 0);
        return true;
    default: return false;
    }
}

}  // namespace swc
