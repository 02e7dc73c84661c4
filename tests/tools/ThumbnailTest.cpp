// The thumbnailer entry's command line, run as a file manager's thumbnailer runs it.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TRun {
  int Exit = -1;
  QString Errors;
};

// The Exec line of data/xdg/quarrybox.thumbnailer with its %i, %o and %s filled in; the
// command is the built qbxtool.
TRun RunThumbnailer(const QString &game, const QString &out, int size) {
  QFile entry(QB_THUMBNAILER);
  EXPECT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  QString exec;
  for (const QString &line : QString::fromUtf8(entry.readAll()).split('\n'))
    if (line.startsWith("Exec="))
      exec = line.mid(5);
  QStringList words = exec.split(' ');
  EXPECT_EQ(words.value(0), "qbxtool");
  for (QString &word : words)
    word.replace("%i", game).replace("%o", out).replace("%s", QString::number(size));
  QProcess tool;
  tool.start(QBXTOOL_PATH, words.mid(1));
  EXPECT_TRUE(tool.waitForFinished(30000));
  return {tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardError())};
}

} // namespace

TEST(Thumbnail, ShowsTheFirstLevelFittedIntoTheAskedSize) {
  QTemporaryDir dir;
  const QString out = dir.filePath("thumb.png");
  const TRun run = RunThumbnailer(QB_DEFAULT_GAME, out, 128);
  ASSERT_EQ(run.Exit, 0) << run.Errors.toStdString();
  const QImage thumbnail(out, "png");
  ASSERT_FALSE(thumbnail.isNull());
  EXPECT_EQ(qMax(thumbnail.width(), thumbnail.height()), 128);
  // The first level is the sunflower: a warm picture, not the dark blue start skin.
  const QImage level(QString(QB_ASSET_DIR) + "/Level1_Sunflower.jpg");
  ASSERT_FALSE(level.isNull());
  EXPECT_EQ(thumbnail.size(), level.size().scaled(128, 128, Qt::KeepAspectRatio));
  const QImage expected =
      level.scaled(thumbnail.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QRgb a = thumbnail.pixel(thumbnail.width() / 2, thumbnail.height() / 2);
  const QRgb b = expected.pixel(expected.width() / 2, expected.height() / 2);
  EXPECT_LT(qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)), 60);
}

// A made game (a program with the game appended, as Make EXE writes it) shows the thumbnail of
// the game it carries; the program here is qbxtool itself, an ELF file like any other.
TEST(Thumbnail, AStandAloneGameShowsTheGameItCarries) {
  QTemporaryDir dir;
  QFile program(QBXTOOL_PATH);
  QFile game(QB_DEFAULT_GAME);
  ASSERT_TRUE(program.open(QIODevice::ReadOnly) && game.open(QIODevice::ReadOnly));
  QFile made(dir.filePath("MyGame"));
  ASSERT_TRUE(made.open(QIODevice::WriteOnly));
  made.write(program.readAll() + game.readAll());
  made.close();
  const QString out = dir.filePath("thumb.png");
  const TRun run = RunThumbnailer(made.fileName(), out, 64);
  ASSERT_EQ(run.Exit, 0) << run.Errors.toStdString();
  const TRun plain = RunThumbnailer(QB_DEFAULT_GAME, dir.filePath("plain.png"), 64);
  ASSERT_EQ(plain.Exit, 0);
  EXPECT_EQ(QImage(out, "png"), QImage(dir.filePath("plain.png"), "png"));
}

TEST(Thumbnail, ABrokenGameIsReportedAndNoThumbnailIsLeft) {
  QTemporaryDir dir;
  QFile game(dir.filePath("broken.qbx"));
  ASSERT_TRUE(game.open(QIODevice::WriteOnly));
  QFile original(QB_DEFAULT_GAME);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  game.write(original.read(200)); // cut off inside the first picture
  game.close();
  const QString out = dir.filePath("thumb.png");
  const TRun run = RunThumbnailer(game.fileName(), out, 128);
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Errors.contains("broken.qbx")) << run.Errors.toStdString();
  EXPECT_FALSE(QFile::exists(out));
}
