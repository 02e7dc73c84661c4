#include "media/InputDeviceWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

TInputDeviceWatch::TInputDeviceWatch(const QString &folder, QObject *parent)
    : QObject(parent), Folder(QFile::encodeName(folder)) {
  Descriptor = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (Descriptor < 0)
    return;
  // A machine with no input device yet (a container, a virtual machine) has no folder: its
  // parent tells when it is made.
  if (!WatchFolder()) {
    const QByteArray parentFolder = QFile::encodeName(QFileInfo(folder).absolutePath());
    ParentWatch = inotify_add_watch(Descriptor, parentFolder.constData(), IN_CREATE | IN_MOVED_TO);
    if (ParentWatch < 0) {
      close(Descriptor);
      Descriptor = -1;
      return;
    }
  }
  Notifier = new QSocketNotifier(Descriptor, QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
}

bool TInputDeviceWatch::WatchFolder() {
  // A device node appears before its permissions are set: a change of them counts too.
  const uint32_t events = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO;
  return inotify_add_watch(Descriptor, Folder.constData(), events) >= 0;
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
  if (ParentWatch >= 0) {
    // Something else appeared beside the folder: nothing to tell yet.
    if (!WatchFolder())
      return;
    inotify_rm_watch(Descriptor, ParentWatch);
    ParentWatch = -1;
  }
  if (OnChanged)
    OnChanged();
}
