#pragma once
// SIGTERM and SIGINT (the session ending, Ctrl+C in a terminal) close the main window as the
// close command does, so the settings are stored and the working pictures removed.

#include <QObject>

#include <functional>

class QSocketNotifier;

class TTerminationSignal : public QObject {
  Q_OBJECT
public:
  explicit TTerminationSignal(std::function<void()> onSignal, QObject *parent = nullptr);
  ~TTerminationSignal() override;

private:
  std::function<void()> OnSignal;
  QSocketNotifier *Notifier = nullptr;
};
