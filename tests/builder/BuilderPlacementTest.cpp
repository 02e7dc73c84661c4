// Where the builder opens: clear of the main window whenever the screen has room.
#include "builder/BuilderPlacement.h"

#include <gtest/gtest.h>

namespace {
const QRect Screen(0, 0, 1920, 1080);
const QSize Builder(640, 300);
} // namespace

TEST(BuilderPlacementTest, OpensRightOfTheMainWindowWhenThereIsRoom) {
  const QRect main(100, 100, 616, 452);
  const QPoint at = PlaceBuilder(Builder, main, {Screen}, std::nullopt);
  EXPECT_GT(at.x(), main.right());
  EXPECT_EQ(at.y(), main.top());
}

TEST(BuilderPlacementTest, GoesLeftOrBelowWhenTheRightSideIsFull) {
  const QRect atRightEdge(1200, 100, 616, 452);
  const QPoint left = PlaceBuilder(Builder, atRightEdge, {Screen}, std::nullopt);
  EXPECT_LT(left.x() + Builder.width(), atRightEdge.left());

  const QRect wide(200, 0, 1400, 452); // no room on either side
  const QPoint below = PlaceBuilder(Builder, wide, {Screen}, std::nullopt);
  EXPECT_GT(below.y(), wide.bottom());
  EXPECT_FALSE(QRect(below, Builder).intersects(wide));
}

TEST(BuilderPlacementTest, GoesBackWhereItWasOnlyWhileThatPlaceIsClear) {
  const QRect main(100, 100, 616, 452);
  EXPECT_EQ(PlaceBuilder(Builder, main, {Screen}, QPoint(1200, 700)), QPoint(1200, 700));
  // The main window has since moved under the old place, or the old place left the screens.
  EXPECT_NE(PlaceBuilder(Builder, main, {Screen}, QPoint(300, 300)), QPoint(300, 300));
  EXPECT_NE(PlaceBuilder(Builder, main, {Screen}, QPoint(2500, 100)), QPoint(2500, 100));
}

TEST(BuilderPlacementTest, WithNoRoomAnywhereItStaysOnScreenAndCoversAsLittleAsItCan) {
  const QRect small(0, 0, 1024, 768);
  const QRect main(150, 100, 800, 600);
  const QRect placed(PlaceBuilder(Builder, main, {small}, std::nullopt), Builder);
  EXPECT_TRUE(small.contains(placed));
  const QRect centred(QPoint((1024 - 640) / 2, (768 - 300) / 2), Builder);
  const auto area = [](QRect r) { return r.isEmpty() ? 0 : r.width() * r.height(); };
  EXPECT_LT(area(placed & main), area(centred & main));
}
