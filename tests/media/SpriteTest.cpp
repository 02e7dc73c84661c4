#include "media/ImageList.h"
#include "media/ImageSprite.h"
#include "media/MediaError.h"
#include "media/SurfaceSpriteEngine.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QObject>
#include <QStringList>

namespace {

// A sprite that writes what happens to it into a shared log.
class TLoggingSprite : public TSprite {
public:
  TLoggingSprite(TSprite *parent, QString name, QStringList &log)
      : TSprite(parent), Name(std::move(name)), Log(log) {
    SetWidth(10);
    SetHeight(10);
  }
  ~TLoggingSprite() override { Log << "delete " + Name; }
  void DrawSelf() override { Log << "draw " + Name; }
  void MoveStep(int moveCount) override { Log << QString("move %1 %2").arg(Name).arg(moveCount); }

private:
  QString Name;
  QStringList &Log;
};

struct SpriteEngineTest : ::testing::Test {
  QStringList Log; // outlives the sprites, which log their deletion
  QObject Owner;
  TPlaySurface Draw{&Owner};
  TSurfaceSpriteEngine Sprites{Draw};
  TSpriteEngine &Root = Sprites.Engine();

  void SetUp() override { Draw.Initialize(); }

  TLoggingSprite *Make(const QString &name, TSprite *parent = nullptr) {
    return new TLoggingSprite(parent ? parent : &Root, name, Log);
  }
  QStringList DrawOrder() {
    Log.clear();
    Sprites.Draw();
    return Log;
  }
};

} // namespace

TEST_F(SpriteEngineTest, SiblingsDrawInAscendingZAndTheLaterOfEqualZUnderneath) {
  TLoggingSprite *a = Make("a");
  TLoggingSprite *b = Make("b");
  EXPECT_EQ(DrawOrder(), (QStringList{"draw b", "draw a"}));

  a->SetZ(2);
  b->SetZ(2); // b joins Z 2 after a, so it goes under a
  EXPECT_EQ(DrawOrder(), (QStringList{"draw b", "draw a"}));

  a->SetZ(2); // unchanged: no re-sort
  EXPECT_EQ(DrawOrder(), (QStringList{"draw b", "draw a"}));

  a->SetZ(3);
  a->SetZ(2); // now a is the later one at Z 2
  EXPECT_EQ(DrawOrder(), (QStringList{"draw a", "draw b"}));

  TLoggingSprite *c = Make("c");
  c->SetZ(1);
  TLoggingSprite *d = Make("d");
  d->SetZ(-5);
  EXPECT_EQ(DrawOrder(), (QStringList{"draw d", "draw c", "draw a", "draw b"}));
}

TEST_F(SpriteEngineTest, MarkingDeadTwiceFreesOnce) {
  TLoggingSprite *a = Make("a");
  Make("b");
  EXPECT_EQ(Root.AllCount(), 2);
  a->MarkDead();
  a->MarkDead();
  EXPECT_TRUE(a->Dead());
  Sprites.RemoveDead();
  Sprites.RemoveDead();
  EXPECT_EQ(Log, QStringList{"delete a"});
  EXPECT_EQ(Root.AllCount(), 1);
  EXPECT_EQ(Root.Count(), 1);
}

TEST_F(SpriteEngineTest, RemoveDeadFreesTheLastMarkedFirstAndEachSpriteOnce) {
  TLoggingSprite *a = Make("a");
  TLoggingSprite *b = Make("b");
  TLoggingSprite *c = Make("c");
  TLoggingSprite *b1 = Make("b1", b);
  Make("keep");
  a->MarkDead();
  b1->MarkDead();
  c->MarkDead();
  b->MarkDead(); // its dead child goes with it
  Sprites.RemoveDead();
  EXPECT_EQ(Log, (QStringList{"delete b", "delete b1", "delete c", "delete a"}));
  EXPECT_EQ(Root.AllCount(), 1);
  EXPECT_EQ(DrawOrder(), QStringList{"draw keep"});
}

TEST_F(SpriteEngineTest, DeletingASpriteDeletesItsChildrenLastFirstAndUnlinksIt) {
  TLoggingSprite *parent = Make("p");
  Make("c1", parent);
  Make("c2", parent);
  TLoggingSprite *c3 = Make("c3", parent);
  c3->MarkDead();
  Make("other");
  EXPECT_EQ(Root.AllCount(), 5);
  delete parent;
  EXPECT_EQ(Log, (QStringList{"delete p", "delete c3", "delete c2", "delete c1"}));
  EXPECT_EQ(Root.AllCount(), 1);
  EXPECT_EQ(Root.Count(), 1);
  Log.clear();
  Sprites.RemoveDead(); // c3 left the dead list when it went
  EXPECT_TRUE(Log.isEmpty());
  EXPECT_EQ(DrawOrder(), QStringList{"draw other"});
}

TEST_F(SpriteEngineTest, DestroyingTheEngineDestroysEverySprite) {
  QStringList log;
  {
    TSpriteEngine engine;
    TLoggingSprite *a = new TLoggingSprite(&engine, "a", log);
    new TLoggingSprite(a, "a1", log);
    new TLoggingSprite(&engine, "b", log);
    EXPECT_EQ(engine.AllCount(), 3);
  }
  EXPECT_EQ(log, (QStringList{"delete b", "delete a", "delete a1"}));
}

TEST_F(SpriteEngineTest, AnInvisibleSpriteHidesItsWholeSubtree) {
  TLoggingSprite *parent = Make("p");
  Make("child", parent);
  Make("other");
  parent->SetVisible(false);
  EXPECT_EQ(DrawOrder(), QStringList{"draw other"});
  EXPECT_EQ(Root.DrawCount(), 2); // the root and "other"
  parent->SetVisible(true);
  EXPECT_EQ(DrawOrder(), (QStringList{"draw other", "draw p", "draw child"}));
}

TEST_F(SpriteEngineTest, AnUnmovedSpriteFreezesItsWholeSubtree) {
  TLoggingSprite *parent = Make("p");
  Make("child", parent);
  Make("other");
  parent->SetMoved(false);
  Sprites.Move(16);
  EXPECT_EQ(Log, QStringList{"move other 16"});
  Log.clear();
  parent->SetMoved(true);
  Sprites.Move(16);
  // Children move in creation order, whatever their Z.
  EXPECT_EQ(Log, (QStringList{"move p 16", "move child 16", "move other 16"}));
}

TEST_F(SpriteEngineTest, ASpriteMadeDuringMoveWaitsForTheNextMove) {
  class TSpawner : public TSprite {
  public:
    using TSprite::TSprite;
    void MoveStep(int) override {
      ++Steps;
      if (!Spawned)
        Spawned = new TSpawner(Parent());
    }
    int Steps = 0;
    TSpawner *Spawned = nullptr;
  };
  auto *spawner = new TSpawner(&Root);
  Sprites.Move(16);
  ASSERT_NE(spawner->Spawned, nullptr);
  EXPECT_EQ(spawner->Spawned->Steps, 0);
  EXPECT_EQ(Root.Count(), 2);
  Sprites.Move(16);
  EXPECT_EQ(spawner->Spawned->Steps, 1);
}

TEST_F(SpriteEngineTest, OnlySpritesOnTheSurfaceAreDrawn) {
  EXPECT_EQ(Root.Width(), 198);
  EXPECT_EQ(Root.Height(), 360);
  Make("inside")->SetX(100);
  TLoggingSprite *edge = Make("edge");
  edge->SetX(-9.5); // columns -9..0
  TLoggingSprite *left = Make("left");
  left->SetX(-10.5); // columns -10..-1
  Make("below")->SetY(360);
  EXPECT_EQ(DrawOrder(), (QStringList{"draw edge", "draw inside"}));
  EXPECT_EQ(Root.DrawCount(), 3);
}

TEST_F(SpriteEngineTest, NothingIsDrawnWhileThePlaySurfaceIsNotInitialized) {
  Make("a");
  Draw.Finalize();
  EXPECT_EQ(Root.Surface(), nullptr);
  EXPECT_TRUE(DrawOrder().isEmpty());
  Draw.Initialize();
  EXPECT_EQ(Root.Surface(), &Draw.Surface());
  EXPECT_EQ(DrawOrder(), QStringList{"draw a"});
}

TEST_F(SpriteEngineTest, ChildrenByIndexFailPastTheEnd) {
  TLoggingSprite *a = Make("a");
  Make("b");
  EXPECT_EQ(Root.Items(0), a);
  for (const int index : {2, -1}) {
    try {
      Root.Items(index);
      ADD_FAILURE() << "no error for " << index;
    } catch (const TMediaError &e) {
      EXPECT_EQ(e.Message(), QString("Index of the list exceeds the range. (%1)").arg(index));
    }
  }
}

TEST_F(SpriteEngineTest, EverySpriteOfTheTreeBelongsToTheRoot) {
  TLoggingSprite *a = Make("a");
  TLoggingSprite *deep = Make("deep", Make("mid", a));
  EXPECT_EQ(Root.Engine(), nullptr);
  EXPECT_EQ(a->Engine(), &Root);
  EXPECT_EQ(deep->Engine(), &Root);
  EXPECT_EQ(Root.AllCount(), 3);
}

namespace {

struct TBoundsRow {
  double ParentX, X, Y;
  int Left, Top;
};

void PrintTo(const TBoundsRow &row, std::ostream *os) {
  *os << "parent x " << row.ParentX << ", x " << row.X << ", y " << row.Y;
}

class SpriteBoundsTest : public ::testing::TestWithParam<TBoundsRow> {};

} // namespace

TEST_P(SpriteBoundsTest, BoundsTruncateTheWorldPositionTowardZero) {
  const TBoundsRow row = GetParam();
  TSpriteEngine engine;
  auto *parent = new TSprite(&engine);
  parent->SetX(row.ParentX);
  auto *sprite = new TSprite(parent);
  sprite->SetX(row.X);
  sprite->SetY(row.Y);
  sprite->SetWidth(18);
  sprite->SetHeight(7);
  EXPECT_EQ(sprite->BoundsRect(), QRect(row.Left, row.Top, 18, 7));
}

INSTANTIATE_TEST_SUITE_P(Positions, SpriteBoundsTest,
                         ::testing::Values(TBoundsRow{0, -0.5, -0.9, 0, 0},
                                           TBoundsRow{0, 197.9, 359.99, 197, 359},
                                           TBoundsRow{0, -1.5, 2.5, -1, 2},
                                           TBoundsRow{10.6, 0.6, 0, 11, 0},
                                           TBoundsRow{-0.6, -0.6, 0, -1, 0}));

namespace {

// Image sprites on a real play surface, checked by their pixels.
struct ImageSpriteTest : SpriteEngineTest {
  TImageList Images{&Draw};
  TImageListItem &Block = Images.Add();

  static QImage Solid(QRgb colour, QSize size = QSize(18, 18)) {
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(colour);
    return picture;
  }
  void SetUp() override {
    Block.SetPicture(Solid(qRgb(0, 0, 255)));
    Block.SetTransparent(true);
    Block.SetTransparentColor(qRgb(255, 0, 0));
    SpriteEngineTest::SetUp();
  }
  TImageSprite *MakeImage(double x, double y, TImageListItem &item) {
    auto *sprite = new TImageSprite(&Root);
    sprite->SetImage(&item);
    sprite->SetWidth(item.Width());
    sprite->SetHeight(item.Height());
    sprite->SetX(x);
    sprite->SetY(y);
    return sprite;
  }
  QRgb Pixel(int x, int y) const { return Draw.Surface().Image().pixel(x, y); }
};

} // namespace

TEST_F(ImageSpriteTest, ASpriteAtMinusHalfDrawsFromColumnZero) {
  MakeImage(-0.5, 0, Block);
  Sprites.Draw();
  EXPECT_EQ(Pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(17, 17), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(18, 0), qRgb(0, 0, 0));
}

TEST_F(ImageSpriteTest, ASpriteAt197Point9DrawsOnlyColumn197) {
  MakeImage(197.9, 100, Block);
  Sprites.Draw();
  EXPECT_EQ(Pixel(197, 100), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(196, 100), qRgb(0, 0, 0));
}

TEST_F(ImageSpriteTest, OfEqualZTheEarlierSpriteEndsOnTop) {
  TImageListItem &green = Images.Add();
  green.SetPicture(Solid(qRgb(0, 255, 0)));
  green.RebuildSurface();
  MakeImage(40, 40, Block)->SetZ(2);
  MakeImage(40, 40, green)->SetZ(2);
  Sprites.Draw();
  EXPECT_EQ(Pixel(45, 45), qRgb(0, 0, 255));
}

TEST_F(ImageSpriteTest, TheKeyColourOfTheItemNeverReachesTheSurface) {
  QImage picture = Solid(qRgb(0, 0, 255));
  for (int i = 0; i < 18; ++i)
    picture.setPixel(i, i, qRgb(255, 0, 0));
  Block.SetPicture(picture);
  Block.RebuildSurface();
  MakeImage(20, 30, Block);
  Sprites.Draw();
  EXPECT_EQ(Pixel(25, 35), qRgb(0, 0, 0));
  EXPECT_EQ(Pixel(26, 35), qRgb(0, 0, 255));
}

TEST_F(ImageSpriteTest, APictureSmallerOrLargerThanTheSpriteIsCentredWithTruncation) {
  TImageSprite *wide = MakeImage(10, 10, Block);
  wide->SetWidth(21); // offset (21 - 18) / 2 = 1
  TImageSprite *narrow = MakeImage(100, 10, Block);
  narrow->SetWidth(15); // offset (15 - 18) / 2 = -1, not -2
  Sprites.Draw();
  EXPECT_EQ(Pixel(10, 10), qRgb(0, 0, 0));
  EXPECT_EQ(Pixel(11, 10), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(98, 10), qRgb(0, 0, 0));
  EXPECT_EQ(Pixel(99, 10), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(116, 10), qRgb(0, 0, 255));
  EXPECT_EQ(Pixel(117, 10), qRgb(0, 0, 0));
}

TEST_F(ImageSpriteTest, SpriteDrawingCountsAsDrawingForThePresent) {
  int presented = 0;
  Draw.OnPresent = [&](const QRect &) { ++presented; };
  Draw.Flip();                                     // the fresh surface
  TImageSprite *sprite = MakeImage(300, 0, Block); // off the surface
  Sprites.Draw();
  Draw.Flip();
  EXPECT_EQ(presented, 1);
  sprite->SetX(0);
  Sprites.Draw();
  Draw.Flip();
  EXPECT_EQ(presented, 2);
}
