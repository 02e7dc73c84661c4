#include "rules/Speed.h"

#include <gtest/gtest.h>

namespace {

struct TIntervalCase {
  int Hidden;
  int Total;
  int Current;
  int Expected;
};

void PrintTo(const TIntervalCase &c, std::ostream *os) {
  *os << c.Hidden << " of " << c.Total << " hidden, interval " << c.Current;
}

class FallIntervalTest : public ::testing::TestWithParam<TIntervalCase> {};

TEST_P(FallIntervalTest, FollowsTheHiddenShare) {
  const TIntervalCase &c = GetParam();
  EXPECT_EQ(FallIntervalForHidden(c.Hidden, c.Total, c.Current), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, FallIntervalTest,
    ::testing::Values(TIntervalCase{36, 36, 1000, 1000}, // level start: all hidden
                      TIntervalCase{18, 36, 1000, 500},  // half uncovered
                      TIntervalCase{21, 100, 500, 210},  // p = 21, the last interval it sets
                      TIntervalCase{20, 100, 210, 210},  // p = 20 leaves it
                      TIntervalCase{20, 100, 110, 110},  // ... also after timed speed-ups
                      TIntervalCase{7, 36, 210, 210},    // p = Round(19.44) = 19
                      TIntervalCase{1, 8, 300, 300},     // p = Round(12.5) = 12
                      TIntervalCase{5, 8, 300, 620},     // p = Round(62.5) = 62, not 63
                      TIntervalCase{7, 8, 300, 880},     // p = Round(87.5) = 88
                      TIntervalCase{0, 0, 400, 400}));   // no cells: nothing to go by

TEST(SpeedTimerTest, StepsDownBy100UntilItWouldGoBelow100) {
  int interval = 210;
  interval = SpedUpInterval(interval);
  EXPECT_EQ(interval, 110);
  interval = SpedUpInterval(interval);
  EXPECT_EQ(interval, 110);
  EXPECT_EQ(SpedUpInterval(200), 100);
  EXPECT_EQ(SpedUpInterval(1000), 900);
}

TEST(DropBonusTest, DependsOnBlockZerosRowBeforeTheDrop) {
  const int expected[19] = {0, 0, 0, 0, 0, 0, 10, 10, 10, 10, 10, 10, 20, 20, 20, 20, 20, 20, 20};
  for (int row = 1; row <= 18; ++row)
    EXPECT_EQ(DropBonus(row), expected[row]) << "row " << row;
}

} // namespace
