#include "gamefile/ProcessRuns.h"

#include <cerrno>
#include <signal.h>

// EPERM means the process exists but belongs to someone else.
bool ProcessRuns(qint64 processId) {
  return processId > 0 && (kill(pid_t(processId), 0) == 0 || errno == EPERM);
}
