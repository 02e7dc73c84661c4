#include "media/PlaySurface.h"
#include "media/MediaError.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QPainter>
#include <QStringList>

#include <vector>

namespace {

// Records what a bound component is told, in order, into a shared log.
class TRecordingClient final : public TPlaySurfaceClient {
public:
  explicit TRecordingClient(QStringList &log) : Log(log) {}
  void SurfaceReady(TPlaySurface &surface) override {
    Log << QString("client+ %1x%2").arg(surface.Surface().Width()).arg(surface.Surface().Height());
  }
  void SurfaceGoing(TPlaySurface &surface) override {
    Log << QString("client- made=%1").arg(surface.Surface().IsMade());
  }

private:
  QStringList &Log;
};

struct PlaySurfaceTest : ::testing::Test {
  QObject Owner;
  TPlaySurface Draw{&Owner};
  QStringList Log;
  TRecordingClient Client{Log};

  void SetUp() override {
    Draw.OnInitializing = [this] { Log << "initializing"; };
    Draw.OnInitialize = [this] { Log << QString("initialize ready=%1").arg(Draw.SurfaceReady()); };
    Draw.OnFinalize = [this] { Log << "finalize"; };
    Draw.AddClient(&Client);
  }
  void TearDown() override { Draw.RemoveClient(&Client); }

  QString ErrorOfInitialize() {
    try {
      Draw.Initialize();
    } catch (const TMediaError &e) {
      return e.Message();
    }
    return "no error";
  }
};

} // namespace

TEST_F(PlaySurfaceTest, InitializeRunsHandlersAndClientsInOrderAndMakesABlackBackBuffer) {
  Draw.Initialize();
  // The surface is still being initialised while OnInitialize runs, so a frame cannot slip in.
  EXPECT_EQ(Log, (QStringList{"initializing", "client+ 198x360", "initialize ready=0"}));
  EXPECT_TRUE(Draw.Initialized());
  EXPECT_TRUE(Draw.SurfaceReady());
  const QImage &pixels = Draw.Surface().Image();
  ASSERT_EQ(pixels.size(), QSize(198, 360));
  EXPECT_FALSE(pixels.hasAlphaChannel());
  EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(pixels.pixel(197, 359), qRgb(0, 0, 0));
}

TEST_F(PlaySurfaceTest, FinalizeTellsClientsBeforeTheSurfaceGoesAndOnlyOnce) {
  Draw.Initialize();
  Log.clear();
  Draw.Finalize();
  Draw.Finalize();
  EXPECT_EQ(Log, (QStringList{"client- made=1", "finalize"}));
  EXPECT_FALSE(Draw.Initialized());
  EXPECT_FALSE(Draw.SurfaceReady());
  EXPECT_FALSE(Draw.Surface().IsMade());
}

TEST_F(PlaySurfaceTest, InitializingAgainFinalizesFirst) {
  Draw.Initialize();
  Log.clear();
  Draw.Initialize();
  EXPECT_EQ(Log, (QStringList{"client- made=1", "finalize", "initializing", "client+ 198x360",
                              "initialize ready=0"}));
}

TEST_F(PlaySurfaceTest, WithoutAnOwnerInitializeFailsWithFormNotFound) {
  Draw.SetOwner(nullptr);
  EXPECT_EQ(ErrorOfInitialize(), "Form not found");
  EXPECT_TRUE(Log.isEmpty());
  EXPECT_FALSE(Draw.Initialized());
}

class PlaySurfaceBadSizeTest : public PlaySurfaceTest,
                               public ::testing::WithParamInterface<QSize> {};

TEST_P(PlaySurfaceBadSizeTest, ASurfaceThatCannotBeMadeFailsAndLeavesTheComponentFinalized) {
  Draw.SetSurfaceSize(GetParam().width(), GetParam().height());
  EXPECT_EQ(ErrorOfInitialize(), "Primary Surface cannot be made");
  EXPECT_EQ(Log, QStringList{"initializing"});
  EXPECT_FALSE(Draw.Initialized());
  EXPECT_FALSE(Draw.SurfaceReady());
  EXPECT_FALSE(Draw.Surface().IsMade());
}

INSTANTIATE_TEST_SUITE_P(Sizes, PlaySurfaceBadSizeTest,
                         ::testing::Values(QSize(0, 360), QSize(198, -1), QSize(400000, 400000)));

TEST_F(PlaySurfaceTest, AFailingInitializeHandlerLeavesTheComponentFinalized) {
  Draw.OnInitialize = [] { throw TMediaError("handler failed"); };
  EXPECT_EQ(ErrorOfInitialize(), "handler failed");
  EXPECT_EQ(Log, (QStringList{"initializing", "client+ 198x360", "client- made=1", "finalize"}));
  EXPECT_FALSE(Draw.Initialized());
  EXPECT_FALSE(Draw.Surface().IsMade());
}

TEST_F(PlaySurfaceTest, AClientBoundAfterInitializeIsToldAtOnce) {
  Draw.Initialize();
  QStringList lateLog;
  TRecordingClient late(lateLog);
  Draw.AddClient(&late);
  EXPECT_EQ(lateLog, QStringList{"client+ 198x360"});
  Draw.RemoveClient(&late);
  Draw.Finalize();
  EXPECT_EQ(lateLog, QStringList{"client+ 198x360"});
}

TEST_F(PlaySurfaceTest, CanvasIsHeldFromFirstUseUntilReleased) {
  Draw.Initialize();
  TSurface &surface = Draw.Surface();
  EXPECT_FALSE(surface.CanvasHeld());
  QPainter &first = surface.Canvas();
  EXPECT_TRUE(surface.CanvasHeld());
  EXPECT_EQ(&surface.Canvas(), &first);
  first.fillRect(QRect(10, 20, 5, 5), QColor(0, 0, 255));
  surface.ReleaseCanvas();
  EXPECT_FALSE(surface.CanvasHeld());
  EXPECT_EQ(surface.Image().pixel(12, 22), qRgb(0, 0, 255));
  EXPECT_EQ(surface.Image().pixel(15, 22), qRgb(0, 0, 0));
}

TEST_F(PlaySurfaceTest, ReleasingACanvasThatHoldsNothingChangesNothing) {
  Draw.Initialize();
  TSurface &surface = Draw.Surface();
  surface.ClearDrawn();
  surface.ReleaseCanvas();
  surface.ReleaseCanvas();
  EXPECT_FALSE(surface.CanvasHeld());
  EXPECT_FALSE(surface.Drawn());
  surface.Canvas().fillRect(QRect(0, 0, 1, 1), Qt::white);
  surface.ReleaseCanvas();
  surface.ReleaseCanvas();
  EXPECT_EQ(surface.Image().pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(PlaySurfaceTest, CanvasOfASurfaceThatIsNotMadeIsRefused) {
  EXPECT_THROW(Draw.Surface().Canvas(), TMediaError);
  EXPECT_FALSE(Draw.Surface().CanvasHeld());
}

TEST_F(PlaySurfaceTest, FlipPresentsOnlyWhatWasDrawnSinceTheLastPresent) {
  int presented = 0;
  Draw.OnPresent = [&](const QRect &) { ++presented; };
  Draw.Initialize();

  Draw.Flip(); // the new black surface has not been seen yet
  Draw.Flip();
  EXPECT_EQ(presented, 1);

  Draw.Surface().Canvas().fillRect(QRect(0, 0, 4, 4), Qt::red);
  Draw.Surface().ReleaseCanvas();
  Draw.Flip();
  Draw.Flip();
  EXPECT_EQ(presented, 2);

  // A canvas held across the frame counts as drawing too.
  Draw.Surface().Canvas();
  Draw.Flip();
  EXPECT_EQ(presented, 3);
  EXPECT_EQ(Draw.PresentCount(), 3);
}

TEST_F(PlaySurfaceTest, APresentNamesTheAreaCopiedOntoSinceTheLastOne) {
  std::vector<QRect> presented;
  Draw.OnPresent = [&](const QRect &changed) { presented.push_back(changed); };
  Draw.Initialize();
  Draw.Flip();
  const QImage block(18, 18, QImage::Format_RGB32);
  Draw.Surface().Blit(QPoint(20, 40), block, block.rect());
  Draw.Surface().Blit(QPoint(20, 44), block, block.rect());   // the same block, a slide lower
  Draw.Surface().Blit(QPoint(190, 350), block, block.rect()); // partly off the surface
  Draw.Flip();
  Draw.Surface().Canvas(); // a canvas may draw anywhere
  Draw.Flip();
  ASSERT_EQ(presented.size(), 3u);
  EXPECT_EQ(presented[0], QRect(0, 0, 198, 360));
  EXPECT_EQ(presented[1], QRect(QPoint(20, 40), QPoint(197, 359)));
  EXPECT_EQ(presented[2], QRect(0, 0, 198, 360));
}

TEST_F(PlaySurfaceTest, AHiddenControlPresentsNothingUntilItIsBack) {
  int presented = 0;
  Draw.OnPresent = [&](const QRect &) { ++presented; };
  Draw.Initialize();
  Draw.Flip();
  Draw.SetLeft(-600);
  Draw.Surface().Canvas().fillRect(QRect(0, 0, 4, 4), Qt::red);
  Draw.Surface().ReleaseCanvas();
  Draw.Flip();
  EXPECT_EQ(presented, 1);
  Draw.SetLeft(320);
  Draw.Flip(); // what was drawn while hidden
  EXPECT_EQ(presented, 2);
}

TEST_F(PlaySurfaceTest, FlipDoesNothingWhenTheSurfaceIsNotReady) {
  int presented = 0;
  Draw.OnPresent = [&](const QRect &) { ++presented; };
  Draw.Flip();
  Draw.OnInitialize = [&] { Draw.Flip(); }; // still being initialised
  Draw.Initialize();
  EXPECT_EQ(presented, 0);
  Draw.Finalize();
  Draw.Flip();
  EXPECT_EQ(presented, 0);
}

TEST_F(PlaySurfaceTest, MovingTheControlNotifiesOnlyOnChange) {
  QStringList moves;
  Draw.OnMoved = [&] { moves << QString("%1,%2").arg(Draw.Left()).arg(Draw.Top()); };
  EXPECT_EQ(Draw.Left(), 320);
  EXPECT_EQ(Draw.Top(), 20);
  Draw.SetLeft(-600);
  Draw.SetLeft(-600);
  Draw.SetLeft(320);
  Draw.SetTop(20);
  EXPECT_EQ(moves, (QStringList{"-600,20", "320,20"}));
  EXPECT_TRUE(Draw.ControlVisible());
}

// An opaque block copied onto the surface lands exactly where a painter would put it, also
// when it hangs over an edge or names an area partly outside itself.
TEST(SurfaceBlitTest, AnOpaqueBlockIsCopiedAsAPainterDrawsIt) {
  QImage block(18, 18, QImage::Format_RGB32);
  for (int y = 0; y < block.height(); ++y)
    for (int x = 0; x < block.width(); ++x)
      block.setPixel(x, y, qRgb(10 * x, 10 * y, 7 * (x + y)));
  const struct {
    QPoint At;
    QRect From;
  } cases[] = {{{20, 40}, block.rect()},          {{190, 350}, block.rect()},
               {{-5, -7}, block.rect()},          {{30, 30}, QRect(4, 2, 10, 6)},
               {{50, 60}, QRect(-3, -3, 30, 30)}, {{400, 400}, block.rect()}};
  for (const auto &c : cases) {
    TSurface surface;
    ASSERT_TRUE(surface.Make(198, 360, Qt::black));
    surface.Blit(c.At, block, c.From);
    QImage expected(198, 360, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(c.At, block, c.From);
    EXPECT_TRUE(surface.Image() == expected)
        << "at " << c.At.x() << "," << c.At.y() << " from " << c.From.x() << "," << c.From.y();
  }
}
