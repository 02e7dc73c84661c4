#pragma once
// Learns from the kernel (inotify) when an entry of the input device folder appears, goes or
// changes its permissions, as when a game controller is plugged in or pulled out: the program
// then looks at the controllers instead of polling for new ones while it sleeps.

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

  // False when the folder cannot be watched (there is none, or no inotify).
  bool Watching() const { return Notifier != nullptr; }

  // Once for every batch of changes the kernel reports together.
  std::function<void()> OnChanged;

private:
  void Drain();

  int Descriptor = -1;
  QSocketNotifier *Notifier = nullptr;
};
