#pragma once
// The frame timer. Ticks never come closer than Interval ms: a wake-up that comes early is
// put off to the rest of the interval, and after a late tick the next one is a full Interval
// later (a periodic timer would catch up with short gaps instead). Each tick carries the lag
// count: the ms since the previous tick divided by Interval, at least 1.
//
// With ActiveOnly set the timer runs only while the application is active; the window layer
// reports activation through SetApplicationActive.
//
// A timer put to sleep stays enabled but does not tick, so a program with nothing to move does
// not wake up 60 times a second. WakeUp keeps the beat: the next tick comes where it would have
// come had every tick in between run (and done nothing), with lag count 1.
//
// An idle timer goes on ticking in its order, but its ticks do not wake the program (they are
// armed lazily): they come when it wakes for another timer, and on time under virtual time.
// WakeUp, or a tick, ends the idling.

#include "media/Scheduler.h"

#include <functional>

class TFrameTimer {
public:
  explicit TFrameTimer(TScheduler &scheduler, int interval = 1000);
  ~TFrameTimer();
  TFrameTimer(const TFrameTimer &) = delete;
  TFrameTimer &operator=(const TFrameTimer &) = delete;

  int Interval() const { return IntervalMs; }
  // Below 0 is stored as 0. The next wake-up goes by the new value.
  void SetInterval(int ms);
  bool Enabled() const { return IsEnabled; }
  // Enabling (again) restarts the count from now.
  void SetEnabled(bool on);
  bool ActiveOnly() const { return OnlyWhenActive; }
  void SetActiveOnly(bool on);
  bool ApplicationActive() const { return AppActive; }
  void SetApplicationActive(bool active);
  // Whether ticks come now.
  bool Running() const { return Armed; }
  // Until WakeUp. Enabling the timer again wakes it too.
  void Sleep();
  void Idle();
  void WakeUp();
  bool Sleeping() const { return IsSleeping; }
  bool Idling() const { return IsIdle; }

  std::function<void(int lagCount)> OnTimer;

private:
  void Restart();
  void Stop();
  void ArmAt(qint64 due);
  bool MayRun() const { return IsEnabled && !(OnlyWhenActive && !AppActive); }
  void Tick();

  TScheduler &Scheduler;
  int IntervalMs;
  bool IsEnabled = false;
  bool OnlyWhenActive = true;
  bool AppActive = true;
  bool Armed = false;
  bool IsSleeping = false;
  bool IsIdle = false;
  qint64 LastTick = 0;
  TScheduler::TKey Key{};
  TScheduler::TTask Task;
};
