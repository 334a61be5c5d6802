#include "swc/input_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <set>

#include "swc/virtual_key.h"

namespace swc {
namespace {

struct InputState {
    bool mouseSeen = false;
    bool modifiersSeen = false;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
    std::set<int> heldKeys;
};

InputState& state()
{
    static InputState input;
    return input;
}

// A modifier key's own event does not reliably carry its modifier (a press of Shift
// may come without ShiftModifier), so the key itself decides.
Qt::KeyboardModifiers modifiersAfter(const QKeyEvent& event)
{
    Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool down = event.type() == QEvent::KeyPress;
    switch (event.key()) {
    case Qt::Key_Shift: modifiers.setFlag(Qt::ShiftModifier, down); break;
    case Qt::Key_Control: modifiers.setFlag(Qt::ControlModifier, down); break;
    case Qt::Key_Alt: modifiers.setFlag(Qt::AltModifier, down); break;
    case Qt::Key_Meta: modifiers.setFlag(Qt::MetaModifier, down); break;
    default: break;
    }
    return modifiers;
}

class InputWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            state().mouseSeen = true;
            state().buttons = mouse->buttons();
            state().modifiersSeen = true;
            state().modifiers = mouse->modifiers();
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            state().modifiersSeen = true;
            state().modifiers = modifiersAfter(*key);
            if (int code = virtualKeyOf(*key)) {
                if (event->type() == QEvent::KeyPress)
                    state().heldKeys.insert(code);
                else if (!key->isAutoRepeat())
                    state().heldKeys.erase(code);
            }
            break;
        }
        case QEvent::ApplicationStateChange:
            // Releases that happen while another application has the input never
            // arrive here; until the next event the platform's state is the truth.
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
                state() = InputState{};
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }
};

InputWatcher* watcher = nullptr;

Qt::MouseButtons currentButtons()
{
    return state().mouseSeen ? state().buttons : QGuiApplication::mouseButtons();
}

Qt::KeyboardModifiers currentModifiers()
{
    return state().modifiersSeen ? state().modifiers : QGuiApplication::queryKeyboardModifiers();
}

}  // namespace

void watchInput()
{
    if (watcher || !qApp)
        return;
    watcher = new InputWatcher(qApp);
    qApp->installEventFilter(watcher);
    QObject::connect(watcher, &QObject::destroyed, [] {
        watcher = nullptr;
        state() = InputState{};
    });
}

bool isKeyHeld(int virtualKey)
{
    watchInput();
    switch (virtualKey) {
    case 0x01: return currentButtons().testFlag(Qt::LeftButton);
    case 0x02: return currentButtons().testFlag(Qt::RightButton);
    case 0x04: return currentButtons().testFlag(Qt::MiddleButton);
    case 0x10: return currentModifiers().testFlag(Qt::ShiftModifier);
    case 0x11: return currentModifiers().testFlag(Qt::ControlModifier);
    case 0x12: return currentModifiers().testFlag(Qt::AltModifier);
    default: return state().heldKeys.count(virtualKey) > 0;
    }
}

}  // namespace swc
