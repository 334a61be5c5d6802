#pragma once

// What subclassing a control means here: an event filter on the control that turns
// its events into messages for the procedure that subclassed it. For a "STATIC" every
// mouse movement, press and release over the control becomes WM_NCHITTEST with the
// point in screen coordinates, and its paint becomes WM_PAINT. Notifications of the
// control's children need no filter: they always go to the parent's current procedure.

#include <QObject>

namespace swc {

class SubclassFilter : public QObject {
    Q_OBJECT  // findChild tells the filter apart from the control's other children

        public : using QObject::QObject;

    // Installs the filter on control unless one is there already.
    static void install(QWidget* control);
    static void remove(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace swc
