#include "rules/CellLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(CellLayoutTest, LandscapePictureGivesSixBySixCellsCentredInTheLeftArea) {
  const std::optional<TCellLayout> layout = TCellLayout::Cut(QSize(800, 600), 44);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->Columns(), 6);
  EXPECT_EQ(layout->Rows(), 6);
  EXPECT_EQ(layout->CellWidth(), 44);
  EXPECT_EQ(layout->CellHeight(), 33);
  EXPECT_DOUBLE_EQ(layout->Geometry().CellWidth, 44);
  EXPECT_NEAR(layout->Geometry().CellHeight, 33, 1e-9);
  EXPECT_EQ(layout->Origin(), QPoint(18, 101));
  EXPECT_EQ(layout->PictureWidth(), 264);
  EXPECT_EQ(layout->PictureHeight(), 198);
  EXPECT_EQ(layout->CellRect(2, 3), QRect(18 + 2 * 44, 101 + 3 * 33, 44, 33));
}

TEST(CellLayoutTest, PartialCellsAtTheEdgesAreLeftOut) {
  // Cells 20 x 13 (13.8 truncated) over 200 x 276: 21 rows, 273 pixels; 3 pixel rows unused.
  const std::optional<TCellLayout> layout = TCellLayout::Cut(QSize(210, 290), 20);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->Columns(), 10);
  EXPECT_EQ(layout->Rows(), 21);
  EXPECT_EQ(layout->PictureHeight(), 273);
  EXPECT_EQ(layout->Origin(), QPoint(50, 62)); // centred on the whole 200 x 276
}

TEST(CellLayoutTest, TallPictureOriginRoundsHalfToEven) {
  const std::optional<TCellLayout> layout = TCellLayout::Cut(QSize(333, 1000), 30);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->CellHeight(), 30);
  EXPECT_EQ(layout->CellWidth(), 9);
  EXPECT_EQ(layout->Columns(), 13);
  EXPECT_EQ(layout->Rows(), 12);
  EXPECT_EQ(layout->Origin(), QPoint(90, 20)); // (300 - 119) / 2 = 90.5
}

struct TContainsCase {
  int Col;
  int Row;
  bool Inside;
};

void PrintTo(const TContainsCase &c, std::ostream *os) {
  *os << "cell " << c.Col << "," << c.Row << (c.Inside ? " inside" : " outside");
}

class CellLayoutContainsTest : public ::testing::TestWithParam<TContainsCase> {};

TEST_P(CellLayoutContainsTest, OnlyCellsOfTheGrid) {
  // 10 columns, 21 rows.
  const std::optional<TCellLayout> layout = TCellLayout::Cut(QSize(210, 290), 20);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->Contains(GetParam().Col, GetParam().Row), GetParam().Inside);
}

INSTANTIATE_TEST_SUITE_P(Cells, CellLayoutContainsTest,
                         ::testing::Values(TContainsCase{0, 0, true}, TContainsCase{9, 20, true},
                                           TContainsCase{10, 0, false}, TContainsCase{0, 21, false},
                                           TContainsCase{-1, 5, false},
                                           TContainsCase{5, -1, false}));

TEST(CellLayoutTest, UnusablePicturesHaveNoLayout) {
  EXPECT_FALSE(TCellLayout::Cut(QSize(), 44));
  EXPECT_FALSE(TCellLayout::Cut(QSize(264, 198), 0));
  EXPECT_FALSE(TCellLayout::Cut(QSize(20, 20), 44));
  const TCellLayout empty;
  EXPECT_EQ(empty.Columns(), 0);
  EXPECT_FALSE(empty.Contains(0, 0));
}

} // namespace
