#include "swc/mouse_message.h"

#include <QMouseEvent>

namespace swc {

WPARAM mouseKeyFlags(const QMouseEvent& event)
{
    WPARAM flags = 0;
    if (event.buttons().testFlag(Qt::LeftButton))
        flags |= MK_LBUTTON;
    if (event.buttons().testFlag(Qt::RightButton))
        flags |= MK_RBUTTON;
    if (event.buttons().testFlag(Qt::MiddleButton))
        flags |= MK_MBUTTON;
    if (event.modifiers().testFlag(Qt::ShiftModifier))
        flags |= MK_SHIFT;
    if (event.modifiers().testFlag(Qt::ControlModifier))
        flags |= MK_CONTROL;
    return flags;
}

LPARAM clientPoint(const QMouseEvent& event)
{
    const QPoint point = event.position().toPoint();
    return MAKELPARAM(point.x(), point.y());
}

LPARAM screenPoint(const QMouseEvent& event)
{
    const QPoint point = event.globalPosition().toPoint();
    return MAKELPARAM(point.x(), point.y());
}

}  // namespace swc
