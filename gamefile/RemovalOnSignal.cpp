#include "gamefile/RemovalOnSignal.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

// Two buffers, so that a new path is written whole before the handler may see it.
char Paths[2][PATH_MAX];
std::atomic<const char *> Armed{nullptr};
std::atomic<pid_t> Owner{0};

// What a signal handler may call: no allocation, no locks. Entries are unlinked while the
// folder is read, so it is read again until a pass removes nothing.
void RemoveTree(int parent, const char *name, int depth) {
  const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) {
    for (bool removed = true; removed;) {
      removed = false;
      ::lseek(fd, 0, SEEK_SET);
      alignas(dirent64) char buffer[4096];
      for (ssize_t size; (size = ::getdents64(fd, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < size;) {
          const auto *entry = reinterpret_cast<const dirent64 *>(buffer + at);
          at += entry->d_reclen;
          if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
          if (::unlinkat(fd, entry->d_name, 0) == 0) {
            removed = true;
          } else if (errno == EISDIR && depth > 0) {
            RemoveTree(fd, entry->d_name, depth - 1);
            removed = true;
          }
        }
      }
    }
    ::close(fd);
  }
  ::unlinkat(parent, name, AT_REMOVEDIR);
}

void RemoveThenEnd(int signalNumber) {
  const int saved = errno;
  const char *folder = Armed.exchange(nullptr);
  if (folder && Owner.load() == ::getpid())
    RemoveTree(AT_FDCWD, folder, 4);
  // The signal is blocked while its handler runs: raised again, it ends the process (with its
  // default action) as soon as the handler returns; a fault ends it on its next try.
  std::signal(signalNumber, SIG_DFL);
  std::raise(signalNumber);
  errno = saved;
}

void TakeUntakenSignals() {
  static bool taken = false;
  if (std::exchange(taken, true))
    return;
  for (int signalNumber :
       {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE, SIGVTALRM, SIGPROF,
        SIGXCPU, SIGXFSZ, SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGSYS, SIGTRAP}) {
    struct sigaction current = {};
    if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
        (current.sa_flags & SA_SIGINFO))
      continue; // ignored, or someone's own (a sanitizer's, a debugger's)
    struct sigaction action = {};
    action.sa_handler = RemoveThenEnd;
    sigemptyset(&action.sa_mask);
    ::sigaction(signalNumber, &action, nullptr);
  }
}

} // namespace

void RemovalOnSignal::Arm(const QString &folder) {
  const QByteArray path = QFile::encodeName(folder);
  if (path.isEmpty() || path.size() >= PATH_MAX)
    return;
  char *free = Paths[Armed.load() == Paths[0] ? 1 : 0];
  std::memcpy(free, path.constData(), size_t(path.size()) + 1);
  Owner = ::getpid();
  Armed = free;
  TakeUntakenSignals();
}

void RemovalOnSignal::Disarm(const QString &folder) {
  const char *armed = Armed.load();
  if (armed && QFile::encodeName(folder) == armed)
    Armed.compare_exchange_strong(armed, nullptr);
}
