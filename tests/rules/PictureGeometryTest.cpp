#include "rules/PictureGeometry.h"

#include <gtest/gtest.h>

namespace {

struct TGeometryCase {
  const char *Name;
  QSize Picture;
  int Grid;
  int Width;
  int Height;
  double CellWidth;
  double CellHeight;
};

void PrintTo(const TGeometryCase &c, std::ostream *os) { *os << c.Name; }

class PictureGeometryTest : public ::testing::TestWithParam<TGeometryCase> {};

TEST_P(PictureGeometryTest, SizesPictureAndCells) {
  const TGeometryCase &c = GetParam();
  const std::optional<TPictureGeometry> g = PictureGeometry(c.Picture, c.Grid);
  ASSERT_TRUE(g.has_value());
  EXPECT_EQ(g->Width, c.Width);
  EXPECT_EQ(g->Height, c.Height);
  EXPECT_NEAR(g->CellWidth, c.CellWidth, 1e-9);
  EXPECT_NEAR(g->CellHeight, c.CellHeight, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureGeometryTest,
    ::testing::Values(
        // 792 wide after the grid rule, then limited to 6 cells = 264.
        TGeometryCase{"LandscapeLimitedTo270", {800, 600}, 44, 264, 198, 44, 33},
        // Small enough: whole cells of the picture's own width, nothing limited.
        TGeometryCase{
            "SmallPictureKeepsWholeCells", {250, 190}, 40, 240, 182, 40, 190.0 * 40 / 250},
        // Cells would be 27.6 high (> 1.3 x 20): halved to 13.8.
        TGeometryCase{"TallCellIsHalved", {210, 290}, 20, 200, 276, 20, 290.0 * 20 / 210 / 2},
        // 810 high after the width rule: fitted by height, 12 cells of the grid size 30 down.
        TGeometryCase{
            "TallPictureFittedByHeight", {333, 1000}, 30, 119, 360, 333.0 * 30 / 1000, 30}),
    [](const testing::TestParamInfo<TGeometryCase> &info) { return std::string(info.param.Name); });

struct TBadCase {
  const char *Name;
  QSize Picture;
  int Grid;
};

void PrintTo(const TBadCase &c, std::ostream *os) { *os << c.Name; }

class UncuttablePictureTest : public ::testing::TestWithParam<TBadCase> {};

TEST_P(UncuttablePictureTest, IsReportedInsteadOfDividingByZero) {
  EXPECT_FALSE(PictureGeometry(GetParam().Picture, GetParam().Grid).has_value());
}

INSTANTIATE_TEST_SUITE_P(Pictures, UncuttablePictureTest,
                         ::testing::Values(TBadCase{"GridSizeZero", {800, 600}, 0},
                                           TBadCase{"EmptyPicture", {0, 0}, 40},
                                           TBadCase{"NoHeight", {100, 0}, 40},
                                           TBadCase{"NarrowerThanOneCell", {30, 30}, 44},
                                           TBadCase{"CellsLessThanOnePixelHigh", {3000, 10}, 10}),
                         [](const testing::TestParamInfo<TBadCase> &info) {
                           return std::string(info.param.Name);
                         });

} // namespace
