// Where the builder opens: clear of the main window whenever the screen has room.
#include "builder/BuilderPlacement.h"

#include <gtest/gtest.h>

namespace {
const QRect Screen(0, 0, 1920, 1080);
const QSize Builder(640, 300);
} // namespace

TEST(BuilderPlacementTest, OpensRightOfTheMainWindowWhenThereIsRoom) {
  const QRect main(100, 100, 616, 452);
  const TBuilderPlacement placement = PlaceBuilder(Builder, main, {Screen}, std::nullopt);
  const QPoint at = placement.Builder;
  EXPECT_EQ(placement.Main, main.topLeft());
  EXPECT_GT(at.x(), main.right());
  EXPECT_EQ(at.y(), main.top());
}

TEST(BuilderPlacementTest, GoesLeftOrBelowWhenTheRightSideIsFull) {
  const QRect atRightEdge(1200, 100, 616, 452);
  const QPoint left = PlaceBuilder(Builder, atRightEdge, {Screen}, std::nullopt).Builder;
  EXPECT_LT(left.x() + Builder.width(), atRightEdge.left());

  const QRect wide(200, 0, 1400, 452); // no room on either side
  const QPoint below = PlaceBuilder(Builder, wide, {Screen}, std::nullopt).Builder;
  EXPECT_GT(below.y(), wide.bottom());
  EXPECT_FALSE(QRect(below, Builder).intersects(wide));
}

TEST(BuilderPlacementTest, GoesBackWhereItWasOnlyWhileThatPlaceIsClear) {
  const QRect main(100, 100, 616, 452);
  EXPECT_EQ(PlaceBuilder(Builder, main, {Screen}, QPoint(1200, 700)).Builder, QPoint(1200, 700));
  // The main window has since moved under the old place, or the old place left the screens.
  EXPECT_NE(PlaceBuilder(Builder, main, {Screen}, QPoint(300, 300)).Builder, QPoint(300, 300));
  EXPECT_NE(PlaceBuilder(Builder, main, {Screen}, QPoint(2500, 100)).Builder, QPoint(2500, 100));
}

TEST(BuilderPlacementTest, WithNoRoomAnywhereItStaysOnScreenAndCoversAsLittleAsItCan) {
  const QRect small(0, 0, 1024, 768);
  const QRect main(150, 100, 800, 600);
  const TBuilderPlacement placement = PlaceBuilder(Builder, main, {small}, std::nullopt);
  EXPECT_EQ(placement.Main, main.topLeft()); // moving it would not make room
  const QRect placed(placement.Builder, Builder);
  EXPECT_TRUE(small.contains(placed));
  const QRect centred(QPoint((1024 - 640) / 2, (768 - 300) / 2), Builder);
  const auto area = [](QRect r) { return r.isEmpty() ? 0 : r.width() * r.height(); };
  EXPECT_LT(area(placed & main), area(centred & main));
}

// The main window centred on a small screen, with openbox's frames: no side is clear where it
// stands, but the screen holds both one above the other. The main window moves up, as little as
// it must (the least move on both screens: a row would need 256 pixels on 1366 x 768).
TEST(BuilderPlacementTest, MovesTheMainWindowWhenOnlyThatMakesRoom) {
  const QSize builder(634, 292);
  for (const QRect screen : {QRect(0, 0, 1024, 768), QRect(0, 0, 1366, 768)}) {
    const QRect main(
        QRect(0, 0, 602, 446).translated(screen.center() - QRect(0, 0, 602, 446).center()));
    const TBuilderPlacement placement = PlaceBuilder(builder, main, {screen}, std::nullopt);
    const QRect movedMain(placement.Main, main.size());
    const QRect placed(placement.Builder, builder);
    EXPECT_EQ(movedMain.topLeft(), main.topLeft() - QPoint(0, 135)) << screen.width();
    EXPECT_GT(placed.top(), movedMain.bottom()) << screen.width();
    EXPECT_TRUE(screen.contains(placed)) << screen.width();
  }
}
