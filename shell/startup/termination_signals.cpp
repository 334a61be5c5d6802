#include "shell/startup/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include <QCoreApplication>
#include <QSocketNotifier>

#include "swc/user32.h"

namespace {

// A signal handler may do almost nothing: it writes one byte into a pipe, and the
// message loop, watching the pipe's other end, posts the quit.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    (void)!::write(signalPipe[1], &byte, 1);
}

}  // namespace

void quitOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    // Owned by the application, so it goes when the application does.
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {}
        PostQuitMessage(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
