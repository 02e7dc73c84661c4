// The notice over the window picture: a line of text in a box near the foot of the window, which
// the window hears of whenever it appears, changes or goes.
#include "screen/Overlays.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Pixels of the notice's picture near white: its text.
int LightPixels(const QImage &picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      count += qGray(picture.pixel(x, y)) > 200;
  return count;
}

TEST(OverlaysTest, ANoticeShowsItsTextCentredNearTheFootAndGoes) {
  TOverlays overlays{QImage(600, 40, QImage::Format_RGB32), QImage(474, 121, QImage::Format_RGB32)};
  int changes = 0;
  overlays.OnChanged = [&changes] { ++changes; };
  EXPECT_FALSE(overlays.Notice().Visible);

  overlays.ShowNotice("Loading picture...");
  const TOverlay &notice = overlays.Notice();
  EXPECT_TRUE(notice.Visible);
  EXPECT_EQ(changes, 1);
  const QRect box(notice.Position, notice.Picture.size());
  EXPECT_TRUE(QRect(0, 0, 600, 400).contains(box));
  EXPECT_LE(qAbs(box.center().x() - 300), 1);
  EXPECT_GT(box.top(), 300);
  EXPECT_GT(LightPixels(notice.Picture), 50);
  EXPECT_EQ(overlays.All()[2], &notice);

  // Another text in its place, wider for a longer line: the window hears of that too.
  const int width = notice.Picture.width();
  overlays.ShowNotice("Chargement de l'image en cours, un instant...");
  EXPECT_EQ(changes, 2);
  EXPECT_GT(notice.Picture.width(), width);
  EXPECT_LE(qAbs(QRect(notice.Position, notice.Picture.size()).center().x() - 300), 1);

  overlays.HideNotice();
  EXPECT_FALSE(notice.Visible);
  EXPECT_EQ(changes, 3);
  overlays.HideNotice();
  EXPECT_EQ(changes, 3);
  EXPECT_FALSE(overlays.Prompt().Visible || overlays.PauseBanner().Visible);
}

} // namespace
