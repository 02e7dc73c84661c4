#include "media/SchedulerPump.h"

#include <algorithm>

TSchedulerPump::TSchedulerPump(TScheduler &scheduler, QObject *parent)
    : QObject(parent), Scheduler(scheduler) {
  Wake.setSingleShot(true);
  Wake.setTimerType(Qt::PreciseTimer);
  connect(&Wake, &QTimer::timeout, this, [this] { Scheduler.RunDue(); });
  Scheduler.OnScheduleChanged = [this] { Rearm(); };
  Rearm();
}

void TSchedulerPump::Rearm() {
  const qint64 due = Scheduler.NextWake();
  if (due < 0) {
    Wake.stop();
    return;
  }
  const qint64 wait = std::max<qint64>(0, due - Scheduler.Now());
  Wake.start(static_cast<int>(wait));
}
