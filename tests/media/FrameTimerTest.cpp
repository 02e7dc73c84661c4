#include "media/FrameTimer.h"

#include "media/Timer.h"

#include <gtest/gtest.h>

#include <QString>
#include <vector>

namespace {

// A clock the test sets by hand, for a scheduler that runs on "real" time: the test decides
// when the event loop wakes up, early or late.
class TManualClock final : public TClock {
public:
  qint64 NowMs() const override { return Now; }
  qint64 Now = 0;
};

struct TTick {
  qint64 At;
  int Lag;
  bool operator==(const TTick &) const = default;
};

void PrintTo(const TTick &tick, std::ostream *os) { *os << tick.At << "/lag " << tick.Lag; }

struct FrameTimerTest : ::testing::Test {
  TManualClock Clock;
  TScheduler Scheduler{&Clock};
  TFrameTimer Timer{Scheduler, 16};
  std::vector<TTick> Ticks;

  void SetUp() override {
    Timer.OnTimer = [this](int lag) { Ticks.push_back({Scheduler.Now(), lag}); };
  }
  // The event loop wakes up at each of these times.
  void WakeAt(std::initializer_list<qint64> times) {
    for (const qint64 t : times) {
      Clock.Now = t;
      Scheduler.RunDue();
    }
  }
};

} // namespace

TEST(FrameTimerVirtualTest, UnderVirtualTimeTicksComeEveryIntervalWithLagOne) {
  TScheduler scheduler;
  TFrameTimer timer(scheduler, 16);
  std::vector<TTick> ticks;
  timer.OnTimer = [&](int lag) { ticks.push_back({scheduler.Now(), lag}); };
  timer.SetEnabled(true);
  scheduler.Advance(1000);
  ASSERT_EQ(ticks.size(), 62u);
  for (size_t i = 0; i < ticks.size(); ++i)
    EXPECT_EQ(ticks[i], (TTick{16 * qint64(i + 1), 1}));
}

TEST_F(FrameTimerTest, EarlyAndLateWakeUpsNeverBringTicksCloserThanTheInterval) {
  Timer.SetEnabled(true);
  WakeAt({5, 10, 16, 20, 31, 32, 40, 48, 148, 150, 160, 163, 164, 170, 179, 181, 190, 197});
  // After the late tick at 148 the next one is a full interval later, not at 160 on the old grid.
  EXPECT_EQ(Ticks, (std::vector<TTick>{
                       {16, 1}, {32, 1}, {48, 1}, {148, 6}, {164, 1}, {181, 1}, {197, 1}}));
  for (size_t i = 1; i < Ticks.size(); ++i)
    EXPECT_GE(Ticks[i].At - Ticks[i - 1].At, 16);
}

TEST_F(FrameTimerTest, AStallOf100MsGivesLagCountSix) {
  Timer.SetEnabled(true);
  WakeAt({16, 116});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}, {116, 6}}));
}

TEST_F(FrameTimerTest, AWakeUpBeforeTheIntervalHasPassedIsPutOffToTheRest) {
  Timer.SetEnabled(true);
  WakeAt({16});
  Timer.SetInterval(50); // the wake-up armed for 32 now comes early
  WakeAt({32, 40, 65});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}}));
  EXPECT_EQ(Scheduler.NextDue(), 66);
  WakeAt({66});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}, {66, 1}}));
}

TEST_F(FrameTimerTest, ANegativeIntervalIsStoredAsZeroAndTicksEveryTurn) {
  Timer.SetInterval(-5);
  EXPECT_EQ(Timer.Interval(), 0);
  Timer.SetEnabled(true);
  WakeAt({1, 2, 5});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{1, 1}, {2, 1}, {5, 3}}));
}

TEST_F(FrameTimerTest, EnablingRestartsTheCountFromNow) {
  Timer.SetEnabled(true);
  WakeAt({10});
  Timer.SetEnabled(false);
  WakeAt({16, 100});
  EXPECT_TRUE(Ticks.empty());
  EXPECT_EQ(Scheduler.NextDue(), -1);
  Timer.SetEnabled(true);
  WakeAt({115, 116});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{116, 1}}));
}

TEST_F(FrameTimerTest, AHandlerThatDisablesTheTimerGetsNoMoreTicks) {
  Timer.OnTimer = [this](int lag) {
    Ticks.push_back({Scheduler.Now(), lag});
    Timer.SetEnabled(false);
  };
  Timer.SetEnabled(true);
  WakeAt({16, 32, 48});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}}));
}

TEST_F(FrameTimerTest, WithActiveOnlyTheTimerRunsOnlyWhileTheApplicationIsActive) {
  ASSERT_TRUE(Timer.ActiveOnly());
  Timer.SetApplicationActive(false);
  Timer.SetEnabled(true);
  EXPECT_FALSE(Timer.Running());
  WakeAt({16, 32, 200});
  EXPECT_TRUE(Ticks.empty());
  Timer.SetApplicationActive(true);
  EXPECT_TRUE(Timer.Running());
  WakeAt({216});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{216, 1}}));
  Timer.SetApplicationActive(false);
  WakeAt({232, 300});
  EXPECT_EQ(Ticks.size(), 1u);
}

TEST_F(FrameTimerTest, WithoutActiveOnlyTheTimerRunsWhileInactive) {
  Timer.SetActiveOnly(false);
  Timer.SetApplicationActive(false);
  Timer.SetEnabled(true);
  WakeAt({16, 32});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}, {32, 1}}));
}

TEST_F(FrameTimerTest, ADestroyedTimerLeavesNothingArmed) {
  {
    TFrameTimer other(Scheduler, 16);
    other.SetEnabled(true);
    EXPECT_EQ(Scheduler.NextDue(), 16);
  }
  EXPECT_EQ(Scheduler.NextDue(), -1);
}

TEST(FrameTimerVirtualTest, ATimerWokenAfterSleepingTicksOnItsOldBeat) {
  TScheduler scheduler;
  TFrameTimer timer(scheduler, 16);
  std::vector<TTick> ticks;
  timer.OnTimer = [&](int lag) {
    ticks.push_back({scheduler.Now(), lag});
    timer.Sleep(); // a handler with nothing to move
  };
  timer.SetEnabled(true);
  scheduler.Advance(50);
  EXPECT_EQ(scheduler.NextDue(), -1);
  timer.WakeUp(); // at 50: the tick at 48 has been, the next is at 64
  scheduler.Advance(14);
  timer.WakeUp(); // at 64, after that tick: the next is at 80, never a second one at 64
  scheduler.Advance(100);
  EXPECT_EQ(ticks, (std::vector<TTick>{{16, 1}, {64, 1}, {80, 1}}));
}

TEST_F(FrameTimerTest, ASleepingTimerStaysEnabledAndWakingIsNeededOnlyOnce) {
  Timer.SetEnabled(true);
  WakeAt({16});
  Timer.Sleep();
  EXPECT_TRUE(Timer.Enabled());
  EXPECT_FALSE(Timer.Running());
  WakeAt({32, 48, 500});
  Timer.WakeUp();
  Timer.WakeUp();
  EXPECT_EQ(Scheduler.NextDue(), 512);
  WakeAt({512, 528});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{16, 1}, {512, 1}, {528, 1}}));
}

TEST_F(FrameTimerTest, ActivationDoesNotWakeASleepingTimerButEnablingDoes) {
  Timer.SetEnabled(true);
  Timer.Sleep();
  Timer.SetApplicationActive(false);
  Timer.SetApplicationActive(true);
  WakeAt({16, 32});
  EXPECT_TRUE(Ticks.empty());
  Timer.SetEnabled(true);
  WakeAt({48});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{48, 1}}));
}

TEST_F(FrameTimerTest, AWakeUpWhileTheApplicationIsInactiveWaitsForItsActivation) {
  Timer.SetEnabled(true);
  Timer.Sleep();
  Timer.SetApplicationActive(false);
  Timer.WakeUp();
  WakeAt({16, 32});
  EXPECT_TRUE(Ticks.empty());
  Timer.SetApplicationActive(true);
  WakeAt({48});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{48, 1}}));
}

TEST_F(FrameTimerTest, AnIdleTimersTickWaitsForTheProgramToWakeForAnotherTimer) {
  TTimer other(Scheduler, 100);
  other.SetEnabled(true);
  Timer.SetEnabled(true);
  Timer.Idle();
  EXPECT_EQ(Scheduler.NextDue(), 16);
  EXPECT_EQ(Scheduler.NextWake(), 100); // the pump sleeps until the other timer
  WakeAt({100});
  EXPECT_EQ(Ticks, (std::vector<TTick>{{100, 6}})); // late, and eager again
  EXPECT_EQ(Scheduler.NextWake(), 116);
  Timer.Idle();
  Timer.WakeUp();
  EXPECT_EQ(Scheduler.NextWake(), 116);
}

TEST(FrameTimerVirtualTest, UnderVirtualTimeAnIdleTimerTicksOnTime) {
  TScheduler scheduler;
  TFrameTimer timer(scheduler, 16);
  std::vector<qint64> ticks;
  timer.OnTimer = [&](int) {
    ticks.push_back(scheduler.Now());
    timer.Idle();
  };
  timer.SetEnabled(true);
  scheduler.Advance(50);
  EXPECT_EQ(ticks, (std::vector<qint64>{16, 32, 48}));
  EXPECT_EQ(scheduler.NextWake(), -1);
}
