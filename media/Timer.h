#pragma once
// A window timer: after Interval ms it calls OnTimer, again and again while Enabled. Setting
// Enabled or Interval to the value it has changes nothing; a new Interval restarts the period.

#include "media/Scheduler.h"

#include <functional>

class TTimer {
public:
  explicit TTimer(TScheduler &scheduler, int interval = 1000);
  ~TTimer();
  TTimer(const TTimer &) = delete;
  TTimer &operator=(const TTimer &) = delete;

  int Interval() const { return IntervalMs; }
  void SetInterval(int ms);
  bool Enabled() const { return IsEnabled; }
  void SetEnabled(bool on);

  std::function<void()> OnTimer;

private:
  void Rearm();
  void Fire();

  TScheduler &Scheduler;
  int IntervalMs;
  bool IsEnabled = false;
  bool Armed = false;
  TScheduler::TKey Key{};
  TScheduler::TTask Task;
};
