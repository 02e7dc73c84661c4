#include "tests/app/GameHarness.h"

#include "gamefile/GameFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QString PaintPicture(const QString &path, QSize size, QColor colour, const char *format) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QPainter p(&image);
  p.setBrush(colour.lighter(160));
  p.drawEllipse(
      QRect(QPoint(0, 0), size)
          .adjusted(size.width() / 4, size.height() / 4, -size.width() / 4, -size.height() / 4));
  p.end();
  EXPECT_TRUE(image.save(path, format));
  return path;
}

} // namespace

TGameHarness::TGameHarness()
    : Folder(Dir.path() + '/'), Settings(Dir.filePath("config/Quarrybox.conf")) {
  QDir(Dir.path()).mkpath("Games");
  Game = std::make_unique<TGame>(Scheduler, Settings, 20261207);
  Game->SetDialogs(&Dialogs);
  Game->SetSound(&Sound);
}

QString TGameHarness::MakeGame(const QString &name, const std::vector<TTestLevel> &levels) {
  QDir(Dir.path()).mkpath("src");
  const QString src = Dir.filePath("src/");
  TGameData data;
  data.StartSkin = {PaintPicture(src + "start.jpg", {600, 400}, Qt::darkBlue, "JPG"), PictureJpeg,
                    true};
  data.PlayingSkin = {PaintPicture(src + "play.jpg", {600, 400}, Qt::darkGreen, "JPG"), PictureJpeg,
                      true};
  data.GameOverSkin = {PaintPicture(src + "over.bmp", {300, 200}, Qt::darkRed, "BMP"), PictureBmp,
                       false};
  for (size_t i = 0; i < levels.size(); ++i) {
    const TTestLevel &l = levels[i];
    const QString file = src + QStringLiteral("level%1.%2").arg(i).arg(l.Bmp ? "bmp" : "jpg");
    PaintPicture(file, l.Size, QColor::fromHsv(int(i * 70) % 360, 200, 200), l.Bmp ? "BMP" : "JPG");
    if (l.Undecodable || !l.Jpeg.isEmpty()) {
      QFile f(file);
      EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(l.Undecodable ? QByteArray("\xFF\xD8\xFF this is no picture") : l.Jpeg);
    }
    data.Levels.append(TLevel{file, quint8(l.Bmp ? PictureBmp : PictureJpeg), quint8(l.Grid)});
  }
  const QString path = Folder + "Games/" + name + ".qbx";
  const TStatus written = WriteGameFile(path, data);
  EXPECT_TRUE(written.Ok()) << written.Error().toStdString();
  return path;
}

void TGameHarness::Start(const QStringList &arguments, const QString &program) {
  TStartup startup;
  startup.ProgramPath = program.isEmpty() ? Folder + "quarrybox" : program;
  startup.Arguments = arguments;
  startup.ScreenSize = QSize(1280, 1024);
  startup.WindowSize = QSize(600, 420);
  startup.ScreenAreas = Screens;
  startup.WindowHandle = "4242";
  startup.DataHome = DataHome;
  Game->Start(startup);
  Game->TellDesktop(); // the window's first picture
}

void TGameHarness::StartPlaying() {
  Advance(50);
  ASSERT_EQ(Game->Model().GameState(), StateTitle);
  // Through the menu, so that no key is held when the test goes on.
  Game->Run(TCommand::StartGame);
  ASSERT_EQ(Game->Model().GameState(), StatePlaying);
}

void TGameHarness::Frames(int count) { Scheduler.Advance(qint64(16) * count); }

void TGameHarness::Tap(int vk) {
  Press(vk);
  Frames(1);
  Release(vk);
}
