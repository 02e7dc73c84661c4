// Writing a game and reading it back: header, scores and every picture byte for byte, and the
// working picture files the pictures are copied into.
#include "gamefile/GameFile.h"
#include "gamefile/WorkingPictures.h"
#include "tests/gamefile/GameFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

void ExpectSameHeader(const TGameData &read, const TGameData &written) {
  EXPECT_EQ(read.FormatMark, written.FormatMark);
  EXPECT_EQ(read.PlayBox, written.PlayBox);
  EXPECT_EQ(read.ScoreBox, written.ScoreBox);
  EXPECT_EQ(read.NextBox, written.NextBox);
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    EXPECT_EQ(read.Skin(kind).Stretch, written.Skin(kind).Stretch) << "skin " << kind;
  EXPECT_EQ(read.LevelCount(), written.LevelCount());
  EXPECT_EQ(read.Scores, written.Scores);
}

QString WriteRealPicture(const QString &path, int width, int height, int seed) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.fillRect(image.rect(), QColor::fromHsv(seed * 37 % 360, 200, 200));
  painter.drawText(image.rect(), Qt::AlignCenter, QString::number(seed));
  painter.end();
  EXPECT_TRUE(image.save(path)) << path.toStdString();
  return path;
}

TEST(RoundTrip, RealJpegGameReadsBackByteForByte) {
  TGameFixture fixture;
  TGameData game;
  game.FormatMark = 10;
  game.PlayBox = {true, 0x00123456};
  game.ScoreBox = {true, 0x00ABCDEF};
  game.NextBox = {false, 0x00000001};
  game.PlayingSkin.Stretch = false;
  const TSkinKind kinds[] = {SkinStart, SkinPlaying, SkinGameOver};
  for (int i = 0; i < 3; ++i) {
    game.Skin(kinds[i]).Path =
        WriteRealPicture(fixture.Path(QStringLiteral("skin%1.jpg").arg(i)), 600, 400, i);
    game.Skin(kinds[i]).Type = PictureJpeg;
  }
  for (int i = 0; i < 10; ++i)
    game.Levels.append(
        {WriteRealPicture(fixture.Path(QStringLiteral("level%1.jpg").arg(i)), 160 + i, 120, 10 + i),
         PictureJpeg, quint8(16 + 6 * i)});
  game.Scores[2] = {"Carol ", 4242};
  const QString path = fixture.Path("real.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());

  TGameData read;
  ASSERT_TRUE(ReadGameHeader(path, read).Ok());
  ExpectSameHeader(read, game);
  const QString out = fixture.Path("program/");
  ASSERT_TRUE(QDir().mkpath(out));
  const TStatus extracted = ExtractAllPictures(path, read, out);
  ASSERT_TRUE(extracted.Ok()) << extracted.Error().toStdString();
  for (TSkinKind kind : kinds) {
    EXPECT_EQ(ReadBytes(read.Skin(kind).Path), ReadBytes(game.Skin(kind).Path)) << "skin " << kind;
    EXPECT_EQ(read.Skin(kind).Type, PictureJpeg);
  }
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(QFileInfo(read.Levels[i].Path).fileName(), QStringLiteral("tpl%1.jpg").arg(i));
    EXPECT_EQ(ReadBytes(read.Levels[i].Path), ReadBytes(game.Levels[i].Path)) << "level " << i + 1;
    EXPECT_EQ(read.Levels[i].GridSize, game.Levels[i].GridSize);
    EXPECT_EQ(read.Levels[i].Type, PictureJpeg);
  }
  EXPECT_TRUE(QImage(read.StartSkin.Path).size() == QSize(600, 400));
}

TEST(RoundTrip, AllPicturesGoToTheirOwnWorkingFilesWithTheirTypesExtension) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString path = fixture.Path("small.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  TGameData read;
  ASSERT_TRUE(ExtractAllPictures(path, read, out).Ok());
  EXPECT_EQ(FolderEntries(out),
            QStringList({"tpg.jpg", "tpl0.jpg", "tpl1.bmp", "tpp.bmp", "tps.jpg"}));
  EXPECT_EQ(read.StartSkin.Path, QDir(out).filePath("tps.jpg"));
  EXPECT_EQ(read.PlayingSkin.Path, QDir(out).filePath("tpp.bmp"));
  EXPECT_EQ(read.PlayingSkin.Type, PictureBmp);
  EXPECT_EQ(read.Levels[1].Path, QDir(out).filePath("tpl1.bmp"));
  EXPECT_EQ(ReadBytes(read.Levels[1].Path), ReadBytes(game.Levels[1].Path));
  EXPECT_EQ(read.Levels[1].GridSize, 16);
}

struct SharedSkinFile : ::testing::TestWithParam<quint8> {};

// The three skins share one working file: after the start skin and then the playing skin, the
// start skin's path names whatever the playing skin left there.
TEST_P(SharedSkinFile, LastSkinCopiedOutOwnsTheSharedFile) {
  const quint8 playingType = GetParam();
  TGameFixture fixture;
  const TGameData game = fixture.MakeGame({{PictureJpeg, 50}, {playingType, 60}, {PictureJpeg, 70}},
                                          {{PictureJpeg, 10, 44}});
  const QString path = fixture.Path("g.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  TResult<QString> start = ExtractStartSkin(path, data, out);
  ASSERT_TRUE(start.Ok()) << start.Error().toStdString();
  EXPECT_EQ(start.Value(), QDir(out).filePath("tp.jpg"));
  EXPECT_EQ(ReadBytes(start.Value()), ReadBytes(game.StartSkin.Path));
  TResult<QString> playing = ExtractPlayingSkin(path, data, out);
  ASSERT_TRUE(playing.Ok());
  EXPECT_EQ(playing.Value(), QDir(out).filePath(playingType == PictureJpeg ? "tp.jpg" : "tp.bmp"));
  EXPECT_EQ(data.PlayingSkin.Path, playing.Value());
  EXPECT_EQ(data.PlayingSkin.Type, playingType);
  EXPECT_EQ(data.StartSkin.Path, QDir(out).filePath("tp.jpg"));
  const QByteArray inStartsFile = ReadBytes(data.StartSkin.Path);
  EXPECT_EQ(inStartsFile,
            ReadBytes(playingType == PictureJpeg ? game.PlayingSkin.Path : game.StartSkin.Path));
  TResult<QString> over = ExtractGameOverSkin(path, data, out);
  ASSERT_TRUE(over.Ok());
  EXPECT_EQ(ReadBytes(over.Value()), ReadBytes(game.GameOverSkin.Path));
}

INSTANTIATE_TEST_SUITE_P(PlayingSkinType, SharedSkinFile,
                         ::testing::Values(PictureJpeg, PictureBmp));

TEST(RoundTrip, LevelPictureGoesToTplAndSetsOnlyThatLevel) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString path = fixture.WriteSmallGame("small.qbx");
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  data.Levels[0].Path = "keep-me.jpg";
  TResult<QString> level2 = ExtractLevelPicture(path, 2, data, out);
  ASSERT_TRUE(level2.Ok()) << level2.Error().toStdString();
  EXPECT_EQ(level2.Value(), QDir(out).filePath("tpl.bmp"));
  EXPECT_EQ(ReadBytes(level2.Value()), ReadBytes(game.Levels[1].Path));
  EXPECT_EQ(data.Levels[1], (TLevel{level2.Value(), PictureBmp, 16}));
  EXPECT_EQ(data.Levels[0].Path, "keep-me.jpg");
  TResult<QString> level1 = ExtractLevelPicture(path, 1, data, out);
  ASSERT_TRUE(level1.Ok());
  EXPECT_EQ(level1.Value(), QDir(out).filePath("tpl.jpg"));
  EXPECT_EQ(data.Levels[0].GridSize, 70);
}

TEST(RoundTrip, MissingLevelIsReportedAndChangesNothing) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("small.qbx");
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  const TGameData before = data;
  for (int level : {0, -1, 3, 70000}) {
    TResult<QString> result = ExtractLevelPicture(path, level, data, fixture.Folder());
    ASSERT_FALSE(result.Ok()) << level;
    EXPECT_TRUE(result.Error().startsWith("small.qbx: ")) << result.Error().toStdString();
    EXPECT_TRUE(result.Error().contains(QStringLiteral("level %1").arg(level)))
        << result.Error().toStdString();
  }
  EXPECT_EQ(data, before);
}

TEST(ReadHeader, KeepsExistingLevelEntriesAndTouchesNeitherPathNorUnsavedFlag) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString path = fixture.WriteSmallGame("small.qbx");
  TGameData data;
  data.FilePath = "/somewhere/else.qbx";
  data.Unsaved = true;
  data.Levels = {{"a.jpg", PictureJpeg, 20}, {"b.bmp", PictureBmp, 30}, {"c.jpg", PictureJpeg, 40}};
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  ExpectSameHeader(data, game);
  EXPECT_EQ(data.Levels, (QList<TLevel>{{"a.jpg", PictureJpeg, 20}, {"b.bmp", PictureBmp, 30}}));
  EXPECT_EQ(data.FilePath, "/somewhere/else.qbx");
  EXPECT_TRUE(data.Unsaved);

  data.Levels = {{"a.jpg", PictureJpeg, 20}};
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  ASSERT_EQ(data.LevelCount(), 2);
  EXPECT_EQ(data.Levels[0].Path, "a.jpg");
  EXPECT_TRUE(data.Levels[1].Path.isEmpty());
  EXPECT_EQ(data.Levels[1].Type, PictureNone);
}

// A stand-alone game: the same bytes behind something else, offsets counting from the game.
TEST(RoundTrip, GameInsideALargerFileReadsFromItsRange) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QByteArray gameBytes = ReadBytes(fixture.WriteSmallGame("small.qbx"));
  const QByteArray program = SyntheticPicture(PictureNone, 5000, 99);
  const QString exe = fixture.Path("space");
  WriteBytes(exe, program + gameBytes + "trailing");
  const TGameSource source = TGameSource::Range(exe, program.size(), gameBytes.size());

  TGameData data;
  ASSERT_TRUE(ReadGameHeader(source, data).Ok());
  ExpectSameHeader(data, game);
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  ASSERT_TRUE(ExtractAllPictures(source, data, out).Ok());
  EXPECT_EQ(ReadBytes(data.Levels[0].Path), ReadBytes(game.Levels[0].Path));
  TResult<QString> over = ExtractGameOverSkin(source, data, out);
  ASSERT_TRUE(over.Ok());
  EXPECT_EQ(ReadBytes(over.Value()), ReadBytes(game.GameOverSkin.Path));
}

TEST(RoundTrip, RangeOutsideTheFileIsReported) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("small.qbx");
  const qint64 size = ReadBytes(path).size();
  for (auto [base, length] :
       {std::pair<qint64, qint64>{1, size}, {size + 1, 0}, {-1, 10}, {0, -5}}) {
    TGameData data;
    const TStatus status = ReadGameHeader(TGameSource::Range(path, base, length), data);
    ASSERT_FALSE(status.Ok()) << base << " " << length;
    EXPECT_TRUE(status.Error().contains("is not inside the file")) << status.Error().toStdString();
    EXPECT_EQ(data, TGameData());
  }
}

TEST(WorkingPictures, DeleteRemovesEveryWorkingFileOfTheGameAndNothingElse) {
  TGameFixture fixture;
  const QString folder = fixture.Path("program/");
  QDir().mkpath(folder);
  QStringList working;
  for (const char *base : {"tp", "tpl", "tps", "tpp", "tpg", "tpl0", "tpl1", "tpl2"})
    for (const char *ext : {".jpg", ".bmp"})
      working.append(QString(base) + ext);
  const QStringList others = {"tpl3.jpg", "tpx.jpg", "tps.png", "Default.qbx"};
  for (const QString &name : working + others)
    WriteBytes(folder + name, "x");
  DeleteWorkingPictures(folder, 3);
  QStringList expected = others;
  expected.sort();
  EXPECT_EQ(FolderEntries(folder), expected);
}

TEST(WorkingPictures, UnwritableTargetIsReportedAndDataUnchanged) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("small.qbx");
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  const TGameData before = data;
  const QString missingFolder = fixture.Path("no/such/folder/");
  TResult<QString> start = ExtractStartSkin(path, data, missingFolder);
  ASSERT_FALSE(start.Ok());
  EXPECT_TRUE(start.Error().contains("tp.jpg: cannot create the file"))
      << start.Error().toStdString();
  EXPECT_FALSE(ExtractAllPictures(path, data, missingFolder).Ok());
  EXPECT_EQ(data, before);
}

} // namespace
