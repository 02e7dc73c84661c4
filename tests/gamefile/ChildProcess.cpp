#include "tests/gamefile/ChildProcess.h"

#include <QByteArray>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

TChildOutcome RunInChild(const std::function<bool()> &prepare,
                         const std::function<TStatus()> &work) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0)
    return {};
  const pid_t pid = fork();
  if (pid < 0)
    return {};
  if (pid == 0) {
    close(pipeEnds[0]);
    QByteArray report = "P"; // preparation failed
    if (prepare()) {
      const TStatus status = work();
      report = (status.Ok() ? "1" : "0") + status.Error().toUtf8();
    }
    for (qsizetype done = 0; done < report.size();) {
      const ssize_t n = write(pipeEnds[1], report.constData() + done, size_t(report.size() - done));
      if (n <= 0)
        break;
      done += n;
    }
    _exit(0); // no atexit handlers, no flushing of the parent's buffers
  }
  close(pipeEnds[1]);
  QByteArray report;
  char buffer[4096];
  ssize_t n;
  while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
    report.append(buffer, n);
  close(pipeEnds[0]);
  int waitStatus = 0;
  waitpid(pid, &waitStatus, 0);
  TChildOutcome outcome;
  outcome.Finished = WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == 0 && !report.isEmpty() &&
                     report[0] != 'P';
  outcome.Ok = report.startsWith('1');
  outcome.Message = QString::fromUtf8(report.mid(1));
  return outcome;
}

bool LimitFileSize(qint64 bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
  return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool BecomeUnprivileged() {
  if (geteuid() != 0)
    return true;
  constexpr uid_t nobody = 65534;
  return setgroups(0, nullptr) == 0 && setresgid(nobody, nobody, nobody) == 0 &&
         setresuid(nobody, nobody, nobody) == 0;
}
