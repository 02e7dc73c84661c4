#include "rules/Rounding.h"

#include <gtest/gtest.h>

namespace {

struct TRoundCase {
  double In;
  int HalfEven;
  int Truncated;
};

void PrintTo(const TRoundCase &c, std::ostream *os) { *os << c.In; }

class RoundingTest : public ::testing::TestWithParam<TRoundCase> {};

TEST_P(RoundingTest, RoundsHalfToEvenAndTruncatesTowardZero) {
  EXPECT_EQ(RoundHalfEven(GetParam().In), GetParam().HalfEven);
  EXPECT_EQ(Trunc(GetParam().In), GetParam().Truncated);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundingTest,
                         ::testing::Values(TRoundCase{0.5, 0, 0}, TRoundCase{1.5, 2, 1},
                                           TRoundCase{2.5, 2, 2}, TRoundCase{3.5, 4, 3},
                                           TRoundCase{19.44, 19, 19}, TRoundCase{2.51, 3, 2},
                                           TRoundCase{2.49, 2, 2}, TRoundCase{-0.5, 0, 0},
                                           TRoundCase{-1.5, -2, -1}, TRoundCase{-2.5, -2, -2},
                                           TRoundCase{-2.9, -3, -2}, TRoundCase{7.0, 7, 7}));

TEST(CentreOffsetTest, CentresWithHalvesToEvenAndGoesNegativeForLargerContent) {
  EXPECT_EQ(CentreOffset(300, 264), 18);
  EXPECT_EQ(CentreOffset(300, 119), 90); // 90.5
  EXPECT_EQ(CentreOffset(300, 117), 92); // 91.5
  EXPECT_EQ(CentreOffset(600, 800), -100);
  EXPECT_EQ(CentreOffset(600, 801), -100); // -100.5
  EXPECT_EQ(CentreOffset(600, 803), -102); // -101.5
}

} // namespace
