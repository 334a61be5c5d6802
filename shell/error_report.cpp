#include "shell/error_report.h"

#include <cstdio>
#include <utility>

#include "shell/app_state.h"

namespace {
std::exception_ptr deferredError;
} // namespace

void reportError(const char* text)
{
    std::printf("%s\n", text);
    std::fflush(stdout);
    MessageBoxA(mainWindow ? mainWindow->handle() : nullptr, text, "error", MB_ICONEXCLAMATION);
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
