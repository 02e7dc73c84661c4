#include "media/Timer.h"

#include <gtest/gtest.h>

#include <QString>
#include <vector>

namespace {

struct Log {
  std::vector<QString> Events;
  TScheduler *Clock = nullptr;
  void Add(const char *name) { Events.push_back(QString("%1@%2").arg(name).arg(Clock->Now())); }
};

} // namespace

TEST(TimerTest, FiresEveryIntervalWhileEnabled) {
  TScheduler s;
  Log log{{}, &s};
  TTimer t(s, 100);
  t.OnTimer = [&] { log.Add("t"); };
  t.SetEnabled(true);
  s.Advance(350);
  EXPECT_EQ(log.Events, (std::vector<QString>{"t@100", "t@200", "t@300"}));
  t.SetEnabled(false);
  s.Advance(1000);
  EXPECT_EQ(log.Events.size(), 3u);
}

TEST(TimerTest, OneShotDisablingItselfFiresOnce) {
  TScheduler s;
  int ticks = 0;
  TTimer t(s, 25);
  t.OnTimer = [&] {
    t.SetEnabled(false);
    ++ticks;
  };
  t.SetEnabled(true);
  s.Advance(500);
  EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, NewIntervalRestartsPeriodButSameValueDoesNot) {
  TScheduler s;
  Log log{{}, &s};
  TTimer t(s, 100);
  t.OnTimer = [&] { log.Add("t"); };
  t.SetEnabled(true);
  s.Advance(60);
  t.SetInterval(100); // unchanged: still due at 100
  s.Advance(40);
  ASSERT_EQ(log.Events, (std::vector<QString>{"t@100"}));
  s.Advance(30);
  t.SetInterval(50); // changed at 130: next at 180
  s.Advance(60);
  EXPECT_EQ(log.Events, (std::vector<QString>{"t@100", "t@180"}));
}

TEST(TimerTest, EnablingAnEnabledTimerDoesNotRestartIt) {
  TScheduler s;
  Log log{{}, &s};
  TTimer t(s, 100);
  t.OnTimer = [&] { log.Add("t"); };
  t.SetEnabled(true);
  s.Advance(90);
  t.SetEnabled(true);
  s.Advance(10);
  EXPECT_EQ(log.Events, (std::vector<QString>{"t@100"}));
}

TEST(TimerTest, EqualDueTimesRunInArmingOrder) {
  TScheduler s;
  Log log{{}, &s};
  TTimer a(s, 50), b(s, 50), c(s, 25);
  a.OnTimer = [&] { log.Add("a"); };
  b.OnTimer = [&] { log.Add("b"); };
  c.OnTimer = [&] { log.Add("c"); };
  b.SetEnabled(true);
  a.SetEnabled(true);
  c.SetEnabled(true);
  s.Advance(50);
  EXPECT_EQ(log.Events, (std::vector<QString>{"c@25", "b@50", "a@50", "c@50"}));
}

TEST(TimerTest, HandlerChangingItsOwnIntervalTakesEffectForTheNextTick) {
  TScheduler s;
  Log log{{}, &s};
  TTimer t(s, 150);
  t.OnTimer = [&] {
    log.Add("t");
    t.SetInterval(10);
  };
  t.SetEnabled(true);
  s.Advance(175);
  EXPECT_EQ(log.Events, (std::vector<QString>{"t@150", "t@160", "t@170"}));
}

TEST(TimerTest, DestroyedTimerNeverFires) {
  TScheduler s;
  int ticks = 0;
  {
    TTimer t(s, 10);
    t.OnTimer = [&] { ++ticks; };
    t.SetEnabled(true);
  }
  s.Advance(100);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(s.NextDue(), -1);
}
