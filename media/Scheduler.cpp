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
  const bool wasFirst = Queue.empty() || due < Queue.begin()->first.first;
  const TKey key{due, ++Sequence};
  Queue.emplace(key, task);
  if (wasFirst && OnScheduleChanged)
    OnScheduleChanged();
  return key;
}

void TScheduler::Disarm(const TKey &key) { Queue.erase(key); }

qint64 TScheduler::NextDue() const { return Queue.empty() ? -1 : Queue.begin()->first.first; }

bool TScheduler::RunOne(qint64 limit) {
  if (Queue.empty() || Queue.begin()->first.first > limit)
    return false;
  auto it = Queue.begin();
  if (IsVirtual())
    VirtualNow = it->first.first;
  TTask *task = it->second;
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
