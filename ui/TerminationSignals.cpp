// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signals with which a session, a user or a tool ends a program.
const int TerminationSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGALRM};

// The handler may only write to a descriptor; the event loop reads the
// other end and quits from there.
int SignalPipe[2] = {-1, -1};
volatile std::sig_atomic_t CaughtSignal = 0;

void OnSignal(int signal)
{
    CaughtSignal = signal;
    char byte = char(signal);
    ssize_t written = ::write(SignalPipe[0], &byte, 1);
    (void)written;
}

} // namespace

void QuitOnTerminationSignals(QCoreApplication* application)
{
    if (SignalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0)
        return;

    QSocketNotifier* notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, application);
    QObject::connect(notifier, &QSocketNotifier::activated, application, [application] {
        char byte;
        ssize_t count = ::read(SignalPipe[1], &byte, 1);
        (void)count;
        application->exit(0);
    });

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : TerminationSignals)
        sigaction(signal, &action, nullptr);
}

int TerminationSignal()
{
    return CaughtSignal;
}
