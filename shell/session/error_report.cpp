#include "shell/session/error_report.h"

#include <cstdio>
#include <utility>

#include <QCoreApplication>

#include "shell/session/app_state.h"

namespace {
std::exception_ptr deferredError;
bool withoutBoxes = false;
bool keepFailureReported = false;

void report(const char* text, const QString& caption)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
    if (!withoutBoxes)
        MessageBoxA(boxOwner(), text, caption.toUtf8().constData(), MB_ICONEXCLAMATION);
}
}  // namespace

void reportError(const char* text)
{
    report(text, QCoreApplication::translate("error_report", "error"));
}

void reportKeepFailure(const std::string& text)
{
    if (std::exchange(keepFailureReported, true))
        return;
    report(text.c_str(), QCoreApplication::translate("error_report", "warning"));
}

void setReportsWithoutBoxes(bool on)
{
    withoutBoxes = on;
}

bool reportsWithoutBoxes()
{
    return withoutBoxes;
}

void deferFatalError(std::exception_ptr error)
{
    if (!deferredError)
        deferredError = std::move(error);
    PostQuitMessage(0);
}

void raiseDeferredError()
{
    if (std::exception_ptr error = std::exchange(deferredError, nullptr))
        std::rethrow_exception(error);
}
