#pragma once
// A folder that must not outlive its process, even when a signal ends the process before any
// destructor runs (the session's hang-up, Ctrl+\, a crash): the signals whose default is to
// end the process, and that nobody else has taken, first remove the folder and then end the
// process as they would have (core dump included). Signals the program handles itself (the
// session's SIGTERM and SIGINT, which run the close) are left alone, and a forked child never
// removes its parent's folder.

#include <QString>

namespace RemovalOnSignal {

// One folder per process: the last one armed. Its path must not change while armed.
void Arm(const QString &folder);
// Stops removing folder (if it is the one armed).
void Disarm(const QString &folder);

} // namespace RemovalOnSignal
