#include <QApplication>
#include <QIcon>

#include "swc/input_state.h"
#include "swc/swc.h"
#include "swc/top_level_window.h"
#include "swc/window_registry.h"

SWC::SWC() : windowStyle(WS_VISIBLE | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), exStyle(0)
{
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
}

void* SWC::instance() const
{
    // The application object stands for the module instance: one per process.
    return QCoreApplication::instance();
}

void SWC::setIcon(const char* name)
{
    wc.lpszIconName = name;
    if (hwnd && name)
        hwnd->setWindowIcon(QIcon(QString::fromLocal8Bit(name)));
}

const char* SWC::setMenuName(const char* name)
{
    wc.lpszMenuName = name;
    return name;
}

void SWC::create(const char* className, const char* title, WNDPROC windowProc)
{
    wc.lpszClassName = className;
    wc.lpfnWndProc = windowProc;
    if (!className || !*className || !windowProc || !swc::registerClassName(className))
        throw AssertError("swc", 103);
    // Widgets need a QApplication; without one no window can exist.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw AssertError("swc", 107);

    swc::watchInput();
    auto* window = new swc::TopLevelWindow(windowStyle);
    window->setWindowTitle(QString::fromLocal8Bit(title ? title : ""));
    if (wc.lpszIconName)
        window->setWindowIcon(QIcon(QString::fromLocal8Bit(wc.lpszIconName)));
    window->setClientSize(QSize(400, 300));

    swc::WindowRecord record;
    record.kind = swc::WindowKind::TopLevel;
    record.procedure = windowProc;
    record.className = className;
    swc::addWindow(window, record);
    hwnd = window;
    if (windowStyle & WS_VISIBLE)
        window->show();
}

HWND SWC::activate()
{
    if (!hwnd)
        return nullptr;
    HWND previous = QApplication::activeWindow();
    hwnd->raise();
    hwnd->activateWindow();
    return previous;
}
