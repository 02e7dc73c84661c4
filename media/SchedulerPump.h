#pragma once
// Drives a real-time scheduler from the Qt event loop: one precise single-shot QTimer armed for
// the next due time of an entry that is not lazy, so an idle program sleeps instead of polling.

#include "media/Scheduler.h"

#include <QObject>
#include <QTimer>

class TSchedulerPump : public QObject {
  Q_OBJECT
public:
  explicit TSchedulerPump(TScheduler &scheduler, QObject *parent = nullptr);

private:
  void Rearm();

  TScheduler &Scheduler;
  QTimer Wake;
};
