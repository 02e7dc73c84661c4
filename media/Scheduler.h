#pragma once
// One scheduler serves every timer of the program. It knows "now": in the running program a
// steady clock, in tests a virtual clock that only Advance() moves, so whole games run
// deterministically in milliseconds.
//
// Order of events: timers run in order of their due time; timers due at the same millisecond
// run in the order in which they were armed (enabled, or re-armed after their previous tick).
//
// An entry may be lazy: it runs in that same order, but the real-time pump does not wake the
// program for it, so it runs when the program wakes for something else. Under virtual time,
// where nothing waits, lazy and eager entries are one.

#include <QtGlobal>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class TClock {
public:
  virtual ~TClock() = default;
  virtual qint64 NowMs() const = 0;
};

// A wall clock for the running program: milliseconds since it was made.
class TSteadyClock final : public TClock {
public:
  TSteadyClock();
  qint64 NowMs() const override;

private:
  qint64 StartNs;
};

class TScheduler {
public:
  using TTask = std::function<void()>;
  using TKey = std::pair<qint64, quint64>; // due time, arming sequence

  // Without a clock the scheduler runs on virtual time starting at 0.
  explicit TScheduler(const TClock *clock = nullptr);
  ~TScheduler();
  TScheduler(const TScheduler &) = delete;
  TScheduler &operator=(const TScheduler &) = delete;

  qint64 Now() const;
  bool IsVirtual() const { return Clock == nullptr; }

  // Virtual time: run everything due up to Now() + ms in order, then stop at that time.
  void Advance(qint64 ms);
  // Real time: run everything that is due at the clock's current time.
  void RunDue();
  // Due time of the earliest armed entry, or -1 when nothing is armed.
  qint64 NextDue() const;
  // Due time of the earliest entry that is not lazy, or -1: when the program must wake up.
  qint64 NextWake() const;

  // Called whenever the earliest due time may have changed (the real-time pump re-arms).
  std::function<void()> OnScheduleChanged;

  // Used by timers.
  TKey Arm(qint64 due, TTask *task);
  void Disarm(const TKey &key);
  // Keeps the entry's place in the order.
  void SetLazy(const TKey &key, bool lazy);

private:
  bool RunOne(qint64 limit);

  const TClock *Clock;
  qint64 VirtualNow = 0;
  quint64 Sequence = 0;
  struct TEntry {
    TTask *Task;
    bool Lazy;
  };
  std::map<TKey, TEntry> Queue;
};
