#include "app/TerminationSignal.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a pipe; the event loop reads the other end.
int SignalPipe[2] = {-1, -1};

void Forward(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
}

} // namespace

TTerminationSignal::TTerminationSignal(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), OnSignal(std::move(onSignal)) {
  if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
    return;
  Notifier = new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (::read(SignalPipe[0], buffer, sizeof buffer) > 0) {
    }
    if (OnSignal)
      OnSignal();
  });
  struct sigaction action = {};
  action.sa_handler = Forward;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

TTerminationSignal::~TTerminationSignal() {
  signal(SIGTERM, SIG_DFL);
  signal(SIGINT, SIG_DFL);
}
