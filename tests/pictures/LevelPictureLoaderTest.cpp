// The level picture decoded ahead on a worker thread: what arrives, when the window hears of
// it, and that a picture asked for and then given up never arrives.
#include "pictures/LevelPictureLoader.h"

#include "gamefile/PictureType.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class LevelPictureLoaderTest : public ::testing::Test {
protected:
  // A JPEG with something on it, so that fitting it really resamples.
  TLevelPictureRequest Picture(const QString &name, QSize size, int grid) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter p(&image);
    p.setBrush(Qt::yellow);
    p.drawEllipse(image.rect().adjusted(size.width() / 5, size.height() / 5, 0, 0));
    p.end();
    const QString path = Dir.filePath(name);
    EXPECT_TRUE(image.save(path, "JPG"));
    return {.Path = path, .Type = PictureJpeg, .GridSize = grid};
  }
  // Runs the event loop until done() holds, for at most 10 s.
  static bool Await(const std::function<bool()> &done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(1);
    }
    return done();
  }

  QTemporaryDir Dir;
};

} // namespace

TEST_F(LevelPictureLoaderTest, APictureAskedForArrivesFittedToItsCellsAndTheWindowIsTold) {
  const TLevelPictureRequest request = Picture("big.jpg", {1200, 900}, 45);
  TLevelPictureLoader loader(true);
  int told = 0;
  loader.OnReady = [&told] { ++told; };
  loader.Request(request);
  EXPECT_TRUE(loader.Requested(request));
  ASSERT_TRUE(Await([&told] { return told > 0; }));
  EXPECT_FALSE(loader.Busy());

  const TLevelPicture picture = loader.Take(request);
  ASSERT_TRUE(picture.Decoded.Ok()) << picture.Decoded.Reason.toStdString();
  EXPECT_EQ(picture.OriginalSize, QSize(1200, 900));
  EXPECT_EQ(picture.Decoded.Image.size(), QSize(270, 202)); // 6 cells of 45 across
  EXPECT_EQ(picture.Decoded.Image, TLevelPictureLoader::Load(request).Decoded.Image);
  EXPECT_FALSE(loader.Requested(request)); // taken: nothing is held any more
  QCoreApplication::processEvents();
  EXPECT_EQ(told, 1);
}

// The playing skin comes decoded with the level's picture, at its own size; one that cannot be
// decoded leaves the level playable on a black ground.
TEST_F(LevelPictureLoaderTest, ThePlayingSkinArrivesWithTheLevelsPicture) {
  TLevelPictureRequest request = Picture("level.jpg", {800, 600}, 40);
  const TLevelPictureRequest skin = Picture("skin.jpg", {600, 400}, 0);
  request.SkinPath = skin.Path;
  request.SkinType = PictureJpeg;
  TLevelPictureLoader loader(true);
  loader.Request(request);
  TLevelPicture picture = loader.Take(request);
  ASSERT_TRUE(picture.Decoded.Ok());
  EXPECT_EQ(picture.Skin.size(), QSize(600, 400));

  request.SkinPath = Dir.filePath("missing.jpg");
  picture = TLevelPictureLoader::Load(request);
  EXPECT_TRUE(picture.Decoded.Ok());
  EXPECT_TRUE(picture.Skin.isNull());
}

TEST_F(LevelPictureLoaderTest, APictureGivenUpOrReplacedNeverArrives) {
  const TLevelPictureRequest first = Picture("first.jpg", {800, 600}, 40);
  const TLevelPictureRequest second = Picture("second.jpg", {600, 800}, 30);
  TLevelPictureLoader loader(true);
  QList<int> told;
  loader.OnReady = [&told, &loader] { told << (loader.Busy() ? -1 : 1); };
  loader.Request(first);
  loader.Drop();
  EXPECT_FALSE(loader.Requested(first));
  loader.Request(first);
  loader.Request(second);
  ASSERT_TRUE(Await([&told] { return !told.isEmpty(); }));
  QThread::msleep(50);
  QCoreApplication::processEvents();
  EXPECT_EQ(told, QList<int>{1});
  EXPECT_EQ(loader.Take(second).OriginalSize, QSize(600, 800));
}

TEST_F(LevelPictureLoaderTest, APictureNotAskedForIsDecodedWhenTaken) {
  const TLevelPictureRequest asked = Picture("asked.jpg", {400, 300}, 50);
  const TLevelPictureRequest other = Picture("other.jpg", {300, 400}, 50);
  for (const bool background : {false, true}) {
    TLevelPictureLoader loader(background);
    bool told = false;
    loader.OnReady = [&told] { told = true; };
    loader.Request(asked);
    EXPECT_EQ(loader.Requested(asked), background);
    const TLevelPicture picture = loader.Take(other);
    EXPECT_EQ(picture.OriginalSize, QSize(300, 400)) << background;
    EXPECT_FALSE(loader.Requested(asked)) << background;
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_FALSE(told) << background;
  }
}

TEST_F(LevelPictureLoaderTest, ADamagedPictureArrivesWithTheDecodersReason) {
  const QString path = Dir.filePath("damaged.jpg");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xFF\xD8\xFF this is no picture");
  file.close();
  const TLevelPictureRequest request{.Path = path, .Type = PictureJpeg, .GridSize = 40};
  TLevelPictureLoader loader(true);
  loader.Request(request);
  const TLevelPicture picture = loader.Take(request); // waits for the worker
  EXPECT_FALSE(picture.Decoded.Ok());
  EXPECT_TRUE(picture.Decoded.Reason.contains("damaged")) << picture.Decoded.Reason.toStdString();
  EXPECT_TRUE(picture.Decoded.Image.isNull());
}

// A level of grid 0 could never end: the loader says why, as the game reports it. A decode whose
// picture is no longer wanted stops and leaves no picture.
TEST_F(LevelPictureLoaderTest, AGridOfNoCellsOrAnAbandonedDecodeGivesNoPicture) {
  TLevelPictureRequest request = Picture("level.jpg", {800, 600}, 40);
  request.GridSize = 0;
  TLevelPicture picture = TLevelPictureLoader::Load(request);
  EXPECT_EQ(picture.Decoded.Fault, TPictureFault::SmallerThanGrid);
  EXPECT_EQ(picture.Decoded.Reason, "its grid size is 0, which cuts no cells");

  request.GridSize = 40;
  const std::atomic<bool> abandoned = true;
  picture = TLevelPictureLoader::Load(request, &abandoned);
  EXPECT_EQ(picture.Decoded.Fault, TPictureFault::Abandoned);
  EXPECT_TRUE(picture.Decoded.Image.isNull());
  const std::atomic<bool> wanted = false;
  EXPECT_TRUE(TLevelPictureLoader::Load(request, &wanted).Decoded.Ok());
}
