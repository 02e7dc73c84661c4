#include "media/Timer.h"

#include <algorithm>

TTimer::TTimer(TScheduler &scheduler, int interval)
    : Scheduler(scheduler), IntervalMs(std::max(0, interval)), Task([this] { Fire(); }) {}

TTimer::~TTimer() {
  if (Armed)
    Scheduler.Disarm(Key);
}

void TTimer::SetInterval(int ms) {
  ms = std::max(0, ms);
  if (ms == IntervalMs)
    return;
  IntervalMs = ms;
  if (IsEnabled)
    Rearm();
}

void TTimer::SetEnabled(bool on) {
  if (on == IsEnabled)
    return;
  IsEnabled = on;
  if (on) {
    Rearm();
  } else if (Armed) {
    Scheduler.Disarm(Key);
    Armed = false;
  }
}

void TTimer::Rearm() {
  if (Armed)
    Scheduler.Disarm(Key);
  // A zero interval still waits for the next turn of the loop, as a window timer does.
  Key = Scheduler.Arm(Scheduler.Now() + std::max(1, IntervalMs), &Task);
  Armed = true;
}

void TTimer::Fire() {
  Armed = false;
  // Re-arm before the handler runs: a handler that disables or changes the timer wins.
  Rearm();
  if (OnTimer)
    OnTimer();
}
