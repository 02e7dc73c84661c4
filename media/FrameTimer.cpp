#include "media/FrameTimer.h"

#include <algorithm>

TDXTimer::TDXTimer(TScheduler &scheduler, int interval)
    : Scheduler(scheduler), IntervalMs(std::max(0, interval)), Task([this] { Tick(); }) {}

TDXTimer::~TDXTimer() { Stop(); }

void TDXTimer::SetInterval(int ms) { IntervalMs = std::max(0, ms); }

void TDXTimer::SetEnabled(bool on) {
  IsEnabled = on;
  IsSleeping = false;
  Restart();
}

void TDXTimer::SetActiveOnly(bool on) {
  if (on == OnlyWhenActive)
    return;
  OnlyWhenActive = on;
  Restart();
}

void TDXTimer::SetApplicationActive(bool active) {
  if (active == AppActive)
    return;
  AppActive = active;
  if (OnlyWhenActive)
    Restart();
}

void TDXTimer::Restart() {
  Stop();
  if (!MayRun())
    return;
  LastTick = Scheduler.Now();
  if (!IsSleeping)
    ArmAt(LastTick + std::max(1, IntervalMs));
}

void TDXTimer::Sleep() {
  IsSleeping = true;
  Stop();
}

void TDXTimer::Idle() {
  if (IsIdle || !Armed)
    return;
  IsIdle = true;
  Scheduler.SetLazy(Key, true);
}

void TDXTimer::WakeUp() {
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

void TDXTimer::Stop() {
  if (Armed)
    Scheduler.Disarm(Key);
  Armed = false;
  IsIdle = false;
}

void TDXTimer::ArmAt(qint64 due) {
  Key = Scheduler.Arm(due, &Task);
  Armed = true;
  IsIdle = false;
}

void TDXTimer::Tick() {
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
