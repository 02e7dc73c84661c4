#pragma once
// Learns from the kernel (inotify) when an entry of the input device folder appears, goes or
// changes its permissions, as when a game controller is plugged in or pulled out: the program
// then looks at the controllers instead of polling for new ones. Where the folder does not
// exist yet, its making counts as the first change.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

class TInputDeviceWatch : public QObject {
  Q_OBJECT
public:
  explicit TInputDeviceWatch(const QString &folder = QStringLiteral("/dev/input"),
                             QObject *parent = nullptr);
  ~TInputDeviceWatch() override;

  // False when the folder cannot be watched (neither it nor its parent exists, or no inotify).
  bool Watching() const { return Notifier != nullptr; }

  // Once for every batch of changes the kernel reports together.
  std::function<void()> OnChanged;

private:
  bool WatchFolder();
  void Drain();

  QByteArray Folder;
  int Descriptor = -1;
  int ParentWatch = -1; // while the folder does not exist
  QSocketNotifier *Notifier = nullptr;
};
