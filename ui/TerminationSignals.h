// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the event loop normally on the signals with which a session, a user
// or a tool ends a program (SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGUSR1,
// SIGALRM), so that the state is saved as at any other quit.
#pragma once

class QCoreApplication;

// Installs the signal handlers; the event loop then quits with code 0 when
// one of the signals arrives.
void QuitOnTerminationSignals(QCoreApplication* application);

// The signal that ended the event loop, or 0.
int TerminationSignal();
