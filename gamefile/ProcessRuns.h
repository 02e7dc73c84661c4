#pragma once
// Whether a process still runs: the files and folders a process names after its own id are
// leftovers once it has gone, and the next start removes them.

#include <QtGlobal>

// A process of another user counts as running: what it left is not ours to remove.
bool ProcessRuns(qint64 processId);
