#include "media/FrameTimer.h"

#include <algorithm>

TFrameTimer::TFrameTimer(TScheduler &scheduler, int interval)
    : Scheduler(scheduler), IntervalMs(std::max(0, interval)), Task([this] { Tick(); }) {}

TFrameTimer::~TFrameTimer() { Stop(); }

void TFrameTimer::SetInterval(int ms) { IntervalMs = std::max(0, ms); }

void TFrameTimer::SetEnabled(bool on) {
  IsEnabled = on;
  IsSleeping = false;
  Restart();
}

void TFrameTimer::SetActiveOnly(bool on) {
  if (on == OnlyWhenActive)
    return;
  OnlyWhenActive = on;
  Restart();
}

void TFrameTimer::SetApplicationActive(bool active) {
  if (active == AppActive)
    return;
  AppActive = active;
  if (OnlyWhenActive)
    Restart();
}

void TFrameTimer::Restart() {
  Stop();
  if (!MayRun())
    return;
  LastTick = Scheduler.Now();
  if (!IsSleeping)
    ArmAt(LastTick + std::max(1, IntervalMs));
}

void TFrameTimer::Sleep() {
  IsSleeping = true;
  Stop();
}

void TFrameTimer::Idle() {
  if (IsIdle || !Armed)
    return;
  IsIdle = true;
  Scheduler.SetLazy(Key, true);
}

void TFrameTimer::WakeUp() {
  if (IsIdle) {
    IsIdle = false;
    Scheduler.SetLazy(Key, false);
  }
  if (!IsSleeping)
    return;
  IsSleeping = false;
  if (!MayRun())
    return;
  const qint64 interval = std::max(1, IntervalMs);
  const qint64 next = LastTick + ((Scheduler.Now() - LastTick) / interval + 1) * interval;
  LastTick = next - interval;
  ArmAt(next);
}

void TFrameTimer::Stop() {
  if (Armed)
    Scheduler.Disarm(Key);
  Armed = false;
  IsIdle = false;
}

void TFrameTimer::ArmAt(qint64 due) {
  Key = Scheduler.Arm(due, &Task);
  Armed = true;
  IsIdle = false;
}

void TFrameTimer::Tick() {
  Armed = false;
  const qint64 now = Scheduler.Now();
  const qint64 elapsed = now - LastTick;
  if (elapsed < IntervalMs) {
    ArmAt(LastTick + IntervalMs);
    return;
  }
  LastTick = now;
  const int lagCount = static_cast<int>(std::max<qint64>(1, elapsed / std::max(1, IntervalMs)));
  // Armed before the handler runs, so a handler that stops the timer has the last word.
  ArmAt(now + std::max(1, IntervalMs));
  if (OnTimer)
    OnTimer(lagCount);
}
