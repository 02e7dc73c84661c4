#pragma once
// Runs a piece of work in a forked child, so that limits and identities set there (a file size
// limit for a full disk, an unprivileged user for a read-only folder) never reach the test process.

#include "gamefile/Result.h"

#include <functional>

struct TChildOutcome {
  bool Finished = false; // the child reported back and exited normally
  bool Ok = false;
  QString Message;
};

// prepare runs first in the child; a false return ends the child without running work.
TChildOutcome RunInChild(const std::function<bool()> &prepare,
                         const std::function<TStatus()> &work);

// Child preparations.
bool LimitFileSize(qint64 bytes); // writes past it fail with EFBIG instead of a signal
bool BecomeUnprivileged();        // when root: user and group "nobody", no other groups
