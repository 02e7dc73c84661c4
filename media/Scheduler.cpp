#include "media/Scheduler.h"

#include <chrono>

TSteadyClock::TSteadyClock()
    : StartNs(std::chrono::duration_cast<std::chrono::nanoseconds>(
                  std::chrono::steady_clock::now().time_since_epoch())
                  .count()) {}

qint64 TSteadyClock::NowMs() const {
  const qint64 ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
  return (ns - StartNs) / 1000000;
}

TScheduler::TScheduler(const TClock *clock) : Clock(clock) {}

TScheduler::~TScheduler() = default;

qint64 TScheduler::Now() const { return Clock ? Clock->NowMs() : VirtualNow; }

TScheduler::TKey TScheduler::Arm(qint64 due, TTask *task) {
  const qint64 wake = NextWake();
  const TKey key{due, ++Sequence};
  Queue.emplace(key, TEntry{task, false});
  if ((wake < 0 || due < wake) && OnScheduleChanged)
    OnScheduleChanged();
  return key;
}

void TScheduler::Disarm(const TKey &key) { Queue.erase(key); }

void TScheduler::SetLazy(const TKey &key, bool lazy) {
  const auto it = Queue.find(key);
  if (it == Queue.end() || it->second.Lazy == lazy)
    return;
  it->second.Lazy = lazy;
  if (OnScheduleChanged)
    OnScheduleChanged();
}

qint64 TScheduler::NextDue() const { return Queue.empty() ? -1 : Queue.begin()->first.first; }

qint64 TScheduler::NextWake() const {
  for (const auto &[key, entry] : Queue)
    if (!entry.Lazy)
      return key.first;
  return -1;
}

bool TScheduler::RunOne(qint64 limit) {
  if (Queue.empty() || Queue.begin()->first.first > limit)
    return false;
  auto it = Queue.begin();
  if (IsVirtual())
    VirtualNow = it->first.first;
  TTask *task = it->second.Task;
  Queue.erase(it);
  (*task)();
  return true;
}

void TScheduler::Advance(qint64 ms) {
  Q_ASSERT(IsVirtual());
  const qint64 target = VirtualNow + ms;
  while (RunOne(target)) {
  }
  VirtualNow = target;
}

void TScheduler::RunDue() {
  const qint64 now = Now();
  // Entries armed while running fall due later than now, so this ends.
  while (RunOne(now)) {
  }
  if (OnScheduleChanged)
    OnScheduleChanged();
}
