#include "media/InputDeviceWatch.h"

#include <QFile>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

TInputDeviceWatch::TInputDeviceWatch(const QString &folder, QObject *parent) : QObject(parent) {
  Descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (Descriptor < 0)
    return;
  // A device node appears before its permissions are set: a change of them counts too.
  const uint32_t events = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO;
  if (inotify_add_watch(Descriptor, QFile::encodeName(folder).constData(), events) < 0) {
    close(Descriptor);
    Descriptor = -1;
    return;
  }
  Notifier = new QSocketNotifier(Descriptor, QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
}

TInputDeviceWatch::~TInputDeviceWatch() {
  delete Notifier;
  if (Descriptor >= 0)
    close(Descriptor);
}

void TInputDeviceWatch::Drain() {
  alignas(inotify_event) char buffer[4096];
  while (read(Descriptor, buffer, sizeof buffer) > 0) {
  }
  if (OnChanged)
    OnChanged();
}
