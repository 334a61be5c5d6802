#include <QApplication>

#include "swc/controls.h"
#include "swc/input_state.h"
#include "swc/subclass_filter.h"
#include "swc/swc.h"
#include "swc/window_registry.h"

namespace {

// Identifiers are taken when the wrapper is made, whether or not it ever gets a window.
unsigned nextControlId = 10000;

}  // namespace

SCC::SCC() : windowStyle(WS_CHILD | WS_VISIBLE), exStyle(0), controlId(nextControlId++)
{}

unsigned SCC::id() const
{
    return controlId;
}

void SCC::subclass(WNDPROC windowProc)
{
    swc::WindowRecord* record = swc::findWindow(hwnd);
    if (!record)
        return;
    // Only the first subclass saves the procedure, so that callPreviousProc always
    // reaches the class procedure.
    if (!previousProc)
        previousProc = record->procedure;
    record->procedure = windowProc;
    swc::SubclassFilter::install(hwnd);
}

void SCC::unsubclass()
{
    if (!previousProc)
        return;
    if (swc::WindowRecord* record = swc::findWindow(hwnd)) {
        record->procedure = previousProc;
        swc::SubclassFilter::remove(hwnd);
    }
    previousProc = nullptr;
}

LRESULT SCC::callPreviousProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Before any subclass the control's own procedure is its class procedure.
    WNDPROC procedure = previousProc ? previousProc : swc::classProcedure(hwnd);
    return procedure ? procedure(hwnd, msg, wParam, lParam) : 0;
}

void SCC::create(const char* className, const char* text, StdWindowClass& parent)
{
    HWND parentWindow = parent.handle();
    if (!parentWindow || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw AssertError("swc", 199);
    swc::watchInput();
    HWND control = swc::createControl(className, text, windowStyle, parentWindow, controlId);
    if (!control)
        throw AssertError("swc", 199);
    hwnd = control;
}
