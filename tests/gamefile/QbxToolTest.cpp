// qbxtool end to end, run as its own process.
#include "gamefile/GameFile.h"
#include "gamefile/GameFileReader.h"
#include "tests/gamefile/GameFixture.h"
#include "tests/support/ExifJpeg.h"
#include "tests/support/HostileJpeg.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

struct TRun {
  int Exit = -1;
  QString Out;
  QString Err;
};

// `language`: the desktop's, as LANG and LANGUAGE say it; unset, the test's own.
TRun RunTool(const QStringList &args, const QString &language = {}) {
  QProcess process;
  if (!language.isEmpty()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", language + ".UTF-8");
    environment.insert("LANGUAGE", language);
    process.setProcessEnvironment(environment);
  }
  process.start(QStringLiteral(QBXTOOL_PATH), args);
  EXPECT_TRUE(process.waitForFinished(30000));
  TRun run;
  run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Out = QString::fromUtf8(process.readAllStandardOutput());
  run.Err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(QbxTool, InfoPrintsEveryFieldInItsDocumentedOrder) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("small.qbx");
  const TRun run = RunTool({"info", path});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out.toStdString(), "file small.qbx\n"
                                   "size 342\n"
                                   "format-mark 10\n"
                                   "play-box 1 0x000000FF\n"
                                   "score-box 0 0x00613D1D\n"
                                   "next-box 1 0x0000FF00\n"
                                   "stretch-playing 0\n"
                                   "stretch-start 1\n"
                                   "stretch-gameover 1\n"
                                   "levels 2\n"
                                   "start-skin offset 45 type 1 length 40\n"
                                   "playing-skin offset 90 type 2 length 33\n"
                                   "gameover-skin offset 128 type 1 length 27\n"
                                   "level 1 offset 160 type 1 length 51 grid 70\n"
                                   "level 2 offset 217 type 2 length 19 grid 16\n"
                                   "score-table offset 242\n"
                                   "score 1 123456 \"Alice \"\n"
                                   "score 2 -5 \"Bob   \"\n"
                                   "score 3 0 \"Zanpek\"\n"
                                   "score 4 0 \"Zanpek\"\n"
                                   "score 5 0 \"Zanpek\"\n"
                                   "score 6 0 \"Zanpek\"\n"
                                   "score 7 0 \"Zanpek\"\n"
                                   "score 8 0 \"Zanpek\"\n"
                                   "score 9 0 \"Zanpek\"\n"
                                   "score 10 2147483647 \"\\xe9t\\xe9\\x00\\x01~\"\n");
  EXPECT_TRUE(run.Err.isEmpty());
}

// The small game's skins and levels, with pictures that decode (verify decodes them all).
QString WriteDecodableGame(TGameFixture &fixture, const QString &name) {
  TGameData game = fixture.SmallGame();
  auto repaint = [](const QString &path, quint8 type) {
    QImage picture(140, 100, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(path, type == PictureJpeg ? "JPG" : "BMP"));
  };
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    repaint(game.Skin(kind).Path, game.Skin(kind).Type);
  for (const TLevel &level : game.Levels)
    repaint(level.Path, level.Type);
  const QString path = fixture.Path(name);
  EXPECT_TRUE(WriteGameFile(path, game).Ok());
  return path;
}

TEST(QbxTool, VerifyAcceptsAGoodGame) {
  TGameFixture fixture;
  const TRun run = RunTool({"verify", WriteDecodableGame(fixture, "good.qbx")});
  EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, "ok\n");
}

TEST(QbxTool, VerifyNamesEveryPictureThatCannotBeUsed) {
  TGameFixture fixture;
  const QString path = WriteDecodableGame(fixture, "bad.qbx");
  TResult<TGameFileReader> reader = TGameFileReader::Open(path);
  ASSERT_TRUE(reader.Ok());
  const TResult<TGameIndex> index = reader->ReadIndex();
  ASSERT_TRUE(index.Ok());
  QByteArray bytes = ReadBytes(path);
  bytes[index->Records[SkinGameOver].Offset] = 5; // not a picture type
  // Level 2 is a BMP: its 8-bit depth given more colours than 8 bits can name.
  const qint64 level2 = index->Records[4].PictureOffset();
  bytes[level2 + 28] = 8;
  qToLittleEndian<quint32>(300, bytes.data() + level2 + 46);
  WriteBytes(path, bytes);

  const TRun run = RunTool({"verify", path});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Out.isEmpty());
  const QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << run.Err.toStdString();
  EXPECT_TRUE(lines[0].startsWith("qbxtool: bad.qbx: the game-over skin picture has unknown type"))
      << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("qbxtool: bad.qbx: level 2: its picture is damaged ("))
      << lines[1].toStdString();
}

// A picture file of `size` that decodes, as a JPEG or a BMP; a noisy one compresses badly.
void Paint(const QString &path, QSize size, bool noisy = false) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  for (int y = 0; noisy && y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      picture.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
  ASSERT_TRUE(picture.save(path, path.endsWith(".bmp") ? "BMP" : "JPG"));
}

// A progressive JPEG of thousands of scans, which takes seconds to decode, from the tool the
// build makes for such tests.
void WriteSlowJpeg(const QString &path) {
  QProcess maker;
  maker.start(QStringLiteral(QB_SLOW_JPEG_PATH), {path, "20000"});
  ASSERT_TRUE(maker.waitForFinished(30000));
  ASSERT_EQ(maker.exitCode(), 0);
}

// Every level the game would skip is named with the reason and what the game does: a picture
// it refuses (here one of too many scans, refused at once instead of decoded for seconds), a
// grid of 0, and a grid whose cells the picture's shape makes less than a pixel.
TEST(QbxTool, VerifyNamesEveryLevelTheGameWouldSkip) {
  TGameFixture fixture;
  TGameData game = fixture.MakeGame(
      {{PictureJpeg, 10}, {PictureJpeg, 10}, {PictureJpeg, 10}},
      {{PictureJpeg, 10, 44}, {PictureJpeg, 10, 44}, {PictureBmp, 10, 0}, {PictureJpeg, 10, 1}});
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    Paint(game.Skin(kind).Path, {600, 400});
  Paint(game.Levels[0].Path, {400, 300});
  WriteSlowJpeg(game.Levels[1].Path);
  Paint(game.Levels[2].Path, {400, 300});
  Paint(game.Levels[3].Path, {400, 300});
  const QString path = fixture.Path("skips.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());

  const TRun run = RunTool({"verify", path});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Out.isEmpty());
  const QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << run.Err.toStdString();
  EXPECT_TRUE(lines[0].startsWith("qbxtool: skips.qbx: level 2: its picture has more than 100 "
                                  "scans"))
      << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("qbxtool: skips.qbx: level 3: its grid size is 0"))
      << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith("qbxtool: skips.qbx: level 4: its picture (400 x 300 pixels) "
                                  "cut by its grid of 1 gives cells of 1 x 0.75 pixels"))
      << lines[2].toStdString();
  for (const QString &line : lines)
    EXPECT_TRUE(line.endsWith("; the game skips this level")) << line.toStdString();
}

// create decodes every picture as the game would: one the game could not use is named as verify
// names it, and nothing is written (an older file of that name stays as it was) unless --force
// is given; then the game is written, and verify names the same picture.
TEST(QbxTool, CreateNamesPicturesTheGameCouldNotUseAndWritesOnlyWhenForced) {
  TGameFixture fixture;
  const QString skin = fixture.Path("skin.jpg");
  Paint(skin, {600, 400});
  const QString whole = fixture.Path("whole.jpg");
  Paint(whole, {400, 300});
  QList<HostileJpeg::TScan> scans{{{0}, 0, 0, 0, 0}};
  for (int i = 0; i < 4999; ++i)
    scans.append({{0}, 1, 63, 0, 0});
  const struct {
    const char *Name;
    QByteArray Bytes;
    const char *File;
    int Grid;
    const char *Reason;
  } rows[] = {
      {"truncated", ReadBytes(whole).left(300), "cut.jpg", 44, "level 2: its picture is damaged ("},
      {"5000 scans", HostileJpeg::Bytes({QSize(200, 150), 1, scans, {}}), "scans.jpg", 44,
       "level 2: its picture has more than 100 scans"},
      {"smaller than its grid",
       {},
       "small.bmp",
       44,
       "level 2: its picture (20 x 30 pixels) is smaller than its grid of 44-pixel cells"},
  };
  for (const auto &row : rows) {
    const QString level = fixture.Path(row.File);
    if (row.Bytes.isEmpty())
      Paint(level, {20, 30});
    else
      WriteBytes(level, row.Bytes);
    const QString made = fixture.Path("made.qbx");
    WriteBytes(made, "an older file");
    const QStringList args{
        "create",     made, "--start", skin,  "--playing", skin,
        "--gameover", skin, "--level", whole, "--level",   level + ":" + QString::number(row.Grid)};
    TRun run = RunTool(args);
    EXPECT_EQ(run.Exit, 1) << row.Name;
    QStringList lines = run.Err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << row.Name << ": " << run.Err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("qbxtool: made.qbx: ") + row.Reason))
        << row.Name << ": " << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("; the game skips this level")) << row.Name;
    EXPECT_EQ(lines[1], "qbxtool: made.qbx: not written (--force writes it all the same)");
    EXPECT_EQ(ReadBytes(made), "an older file") << row.Name;

    run = RunTool(args + QStringList{"--force"});
    EXPECT_EQ(run.Exit, 0) << row.Name << ": " << run.Err.toStdString();
    EXPECT_TRUE(run.Err.startsWith(QStringLiteral("qbxtool: warning: made.qbx: ") + row.Reason))
        << row.Name << ": " << run.Err.toStdString();
    const TRun verified = RunTool({"verify", made});
    EXPECT_EQ(verified.Exit, 1) << row.Name;
    EXPECT_TRUE(verified.Err.startsWith(QStringLiteral("qbxtool: made.qbx: ") + row.Reason))
        << row.Name << ": " << verified.Err.toStdString();
  }
}

TEST(QbxTool, VerifyRefusesAGameWithoutLevels) {
  TGameFixture fixture;
  TGameData game = fixture.MakeGame({{PictureJpeg, 10}, {PictureJpeg, 10}, {PictureJpeg, 10}}, {});
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    Paint(game.Skin(kind).Path, {60, 40});
  const QString path = fixture.Path("empty.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());
  const TRun run = RunTool({"verify", path});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Out.isEmpty());
  EXPECT_EQ(run.Err, "qbxtool: empty.qbx: the game has no levels, so it cannot be played\n");
}

// Writes that fail part way name the system's reason. The file size limit stands in for a
// full disk: the shell ignores the signal, so writes past it fail with "File too large".
TEST(QbxTool, FailedWritesNameTheSystemsReason) {
  TGameFixture fixture;
  const QString tool = QStringLiteral(QBXTOOL_PATH);
  auto limited = [&](const QStringList &args) {
    QProcess shell;
    shell.start("sh",
                QStringList{"-c", "ulimit -f 1; trap '' XFSZ; exec \"$@\"", "sh", tool} + args);
    EXPECT_TRUE(shell.waitForFinished(30000));
    return std::pair{shell.exitCode(), QString::fromUtf8(shell.readAllStandardError())};
  };
  // Pictures of more than the 1 KiB the limit allows.
  TGameData big = fixture.SmallGame();
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    Paint(big.Skin(kind).Path, {300, 200}, true);
  for (const TLevel &level : big.Levels)
    Paint(level.Path, {300, 200}, true);

  const auto [created, createErrors] = limited(
      {"create", fixture.Path("made.qbx"), "--start", big.StartSkin.Path, "--playing",
       big.PlayingSkin.Path, "--gameover", big.GameOverSkin.Path, "--level", big.Levels[0].Path});
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(createErrors.contains("(File too large)")) << createErrors.toStdString();
  EXPECT_FALSE(QFile::exists(fixture.Path("made.qbx")));

  ASSERT_TRUE(WriteGameFile(fixture.Path("big.qbx"), big).Ok());
  const auto [extracted, extractErrors] =
      limited({"extract", fixture.Path("big.qbx"), fixture.Path("out")});
  EXPECT_EQ(extracted, 1);
  EXPECT_TRUE(extractErrors.contains("(File too large)")) << extractErrors.toStdString();

  const auto [drawn, thumbnailErrors] =
      limited({"thumbnail", fixture.Path("big.qbx"), fixture.Path("thumb.png"), "256"});
  EXPECT_EQ(drawn, 1);
  EXPECT_TRUE(thumbnailErrors.contains("thumb.png: cannot be written (File too large)"))
      << thumbnailErrors.toStdString();
  EXPECT_FALSE(QFile::exists(fixture.Path("thumb.png")));
  EXPECT_FALSE(createErrors.contains("Unknown error") || extractErrors.contains("Unknown error") ||
               thumbnailErrors.contains("Unknown error"));
}

TEST(QbxTool, RefusesAFifoWithoutWaitingForAWriter) {
  TGameFixture fixture;
  const QString fifo = fixture.Path("pipe.qbx");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const char *command : {"info", "verify"}) {
    const TRun run = RunTool({command, fifo});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, "qbxtool: pipe.qbx: not a regular file\n");
  }
}

struct VerifyRejects : ::testing::TestWithParam<std::pair<qsizetype, QByteArray>> {};

// Each row overwrites bytes at an offset of the small game.
TEST_P(VerifyRejects, BadGameWithExitOneAndOneLine) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("bad.qbx");
  QByteArray bytes = ReadBytes(path);
  const auto [at, patch] = GetParam();
  if (at < 0)
    bytes.chop(patch.size()); // cut off the end instead
  else
    bytes.replace(at, patch.size(), patch);
  WriteBytes(path, bytes);
  const TRun run = RunTool({"verify", path});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Out.isEmpty());
  EXPECT_TRUE(run.Err.startsWith("qbxtool: bad.qbx: ")) << run.Err.toStdString();
  EXPECT_EQ(run.Err.count('\n'), 1) << run.Err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VerifyRejects,
    ::testing::Values(std::pair{qsizetype(-1), QByteArray(1, 'x')},        // truncated by one byte
                      std::pair{qsizetype(-1), QByteArray(300, 'x')},      // cut inside the table
                      std::pair{qsizetype(19), QByteArray("\x10\x00", 2)}, // 16 levels
                      std::pair{qsizetype(218), QByteArray("\xFF\xFF", 2)})); // level 2 length

TEST(QbxTool, ExtractWritesEveryPictureByteForByte) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString path = fixture.Path("small.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());
  const QString out = fixture.Path("out/deeper");
  const TRun run = RunTool({"extract", path, out});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(FolderEntries(out),
            QStringList({"tpg.jpg", "tpl0.jpg", "tpl1.bmp", "tpp.bmp", "tps.jpg"}));
  EXPECT_EQ(ReadBytes(out + "/tps.jpg"), ReadBytes(game.StartSkin.Path));
  EXPECT_EQ(ReadBytes(out + "/tpp.bmp"), ReadBytes(game.PlayingSkin.Path));
  EXPECT_EQ(ReadBytes(out + "/tpg.jpg"), ReadBytes(game.GameOverSkin.Path));
  EXPECT_EQ(ReadBytes(out + "/tpl0.jpg"), ReadBytes(game.Levels[0].Path));
  EXPECT_EQ(ReadBytes(out + "/tpl1.bmp"), ReadBytes(game.Levels[1].Path));
  EXPECT_EQ(run.Out.count('\n'), 5);
}

TEST(QbxTool, CreateWithEveryOptionMatchesTheLibrarysOwnSave) {
  TGameFixture fixture;
  TGameData game = fixture.SmallGame();
  game.Levels.append({game.Levels[0].Path, PictureJpeg, 44}); // default grid
  game.Scores = TGameData::DefaultScores();
  game.ScoreBox.Colour = 0x00000000;
  const QString expected = fixture.Path("expected.qbx");
  ASSERT_TRUE(WriteGameFile(expected, game).Ok());

  const QString made = fixture.Path("made.qbx");
  const TRun run = RunTool({"create",
                            made,
                            "--level",
                            game.Levels[0].Path + ":70",
                            "--start",
                            game.StartSkin.Path,
                            "--playing",
                            game.PlayingSkin.Path,
                            "--gameover",
                            game.GameOverSkin.Path,
                            "--level",
                            game.Levels[1].Path + ":16",
                            "--level",
                            game.Levels[0].Path,
                            "--stretch-playing",
                            "0",
                            "--stretch-start",
                            "1",
                            "--play-box",
                            "1:255",
                            "--score-box",
                            "0:0",
                            "--next-box",
                            "1:0x00FF00",
                            "--force"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  // The pictures are stand-ins of a few bytes: each is named, and written all the same.
  for (const QString &line : run.Err.split('\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(line.startsWith("qbxtool: warning: made.qbx: ")) << line.toStdString();
  EXPECT_EQ(ReadBytes(made), ReadBytes(expected));
}

TEST(QbxTool, CreateDefaultsAreStretchedSkinsWhiteBoxesOffAndGrid44) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString made = fixture.Path("made.qbx");
  const TRun run = RunTool({"create", made, "--force", "--start", game.StartSkin.Path, "--playing",
                            game.PlayingSkin.Path, "--gameover", game.GameOverSkin.Path, "--level",
                            game.Levels[1].Path});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  const QByteArray bytes = ReadBytes(made);
  EXPECT_EQ(bytes.left(21).toHex(' '),
            QByteArray::fromHex("0A00FFFFFF0000FFFFFF0000FFFFFF000101010100").toHex(' '));
  TGameData read;
  ASSERT_TRUE(ReadGameHeader(made, read).Ok());
  EXPECT_EQ(read.Scores, TGameData::DefaultScores());
  const QString out = fixture.Path("out");
  ASSERT_EQ(RunTool({"extract", made, out}).Exit, 0);
  EXPECT_EQ(ReadBytes(out + "/tpl0.bmp"), ReadBytes(game.Levels[1].Path));
  EXPECT_TRUE(
      RunTool({"info", made}).Out.contains("level 1 offset 156 type 2 length 19 grid 44\n"));
}

TEST(QbxTool, CreateWithAMissingPictureFailsWithExitOneAndKeepsNoFile) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString made = fixture.Path("made.qbx");
  // Forced past the stand-in pictures, which create would name first.
  const TRun run = RunTool({"create", made, "--start", game.StartSkin.Path, "--playing",
                            fixture.Path("gone.jpg"), "--gameover", game.GameOverSkin.Path,
                            "--level", game.Levels[0].Path, "--force"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_TRUE(run.Err.contains("cannot read the playing skin picture")) << run.Err.toStdString();
  EXPECT_FALSE(QFile::exists(made));
}

struct BadArguments : ::testing::TestWithParam<QStringList> {};

TEST_P(BadArguments, GiveUsageAndExitTwo) {
  const TRun run = RunTool(GetParam());
  EXPECT_EQ(run.Exit, 2) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.startsWith("qbxtool: ")) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.contains("Usage:"));
  EXPECT_TRUE(run.Out.isEmpty());
}

QStringList Create(const QStringList &extra) {
  return QStringList{"create", "/tmp/never.qbx", "--start", "s.jpg",   "--playing",
                     "p.bmp",  "--gameover",     "g.JPG",   "--level", "l.jpg"} +
         extra;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadArguments,
    ::testing::Values(QStringList{}, QStringList{"frobnicate"}, QStringList{"info"},
                      QStringList{"verify", "a", "b"}, QStringList{"extract", "a"},
                      QStringList{"create"}, QStringList{"create", "--start", "s.jpg"},
                      QStringList{"create", "o.qbx", "--playing", "p.bmp", "--gameover", "g.jpg",
                                  "--level", "l.jpg"},
                      Create({"--level", "x.png"}), Create({"--level", "x.jpeg"}),
                      Create({"--level", "x.jpg:0"}), Create({"--level", "x.jpg:256"}),
                      Create({"--stretch-start", "2"}), Create({"--play-box", "1"}),
                      Create({"--next-box", "1:0x1000000"}), Create({"--score-box", "2:0"}),
                      Create({"--score-box", "1:blue"}), Create({"--start", "again.jpg"}),
                      Create({"--colour"}), Create({"--bogus", "1"})));

TEST(QbxTool, HelpGoesToStandardOutput) {
  const TRun run = RunTool({"--help"});
  EXPECT_EQ(run.Exit, 0);
  EXPECT_TRUE(run.Out.contains("qbxtool create OUT --start F"));
  EXPECT_TRUE(run.Out.contains("[--force]"));
  EXPECT_TRUE(run.Out.contains("qbxtool thumbnail GAME OUT.png SIZE"));
  EXPECT_TRUE(run.Err.isEmpty());
}

TEST(QbxTool, InfoOnAMissingFileExitsOne) {
  const TRun run = RunTool({"info", "/nonexistent/x.qbx"});
  EXPECT_EQ(run.Exit, 1);
  EXPECT_EQ(run.Err, "qbxtool: x.qbx: cannot open the file (No such file or directory)\n");
}

// The tool shares the game's reasons but not its translations: it speaks English on any desktop.
TEST(QbxTool, ItsReasonsStayEnglishOnAGermanDesktop) {
  QTemporaryDir folder;
  QFile cut(folder.filePath("cut.qbx"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(QByteArray(10, '\x01'));
  cut.close();
  const TRun run = RunTool({"info", cut.fileName()}, "de_DE");
  EXPECT_EQ(run.Exit, 1);
  EXPECT_EQ(run.Err, "qbxtool: cut.qbx: the file is incomplete (cut short): it is too short for a "
                     "game header (21 bytes needed, file size 10)\n");
}

} // namespace

// A phone's portrait photo as a level and as the skins: each goes into the game upright, with
// no orientation left, and the game verifies.
TEST(QbxTool, CreateStoresPhonePhotosUpright) {
  TGameFixture fixture;
  const QImage upright = ExifJpeg::Quarters({48, 64});
  const QString photo = fixture.Path("IMG_0002.jpg");
  QFile file(photo);
  const QByteArray phone = ExifJpeg::PhoneJpeg(upright, 6);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(phone) == phone.size());
  file.close();
  const QString made = fixture.Path("made.qbx");
  const TRun run = RunTool({"create", made, "--start", photo, "--playing", photo, "--gameover",
                            photo, "--level", photo + ":16"});
  ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
  EXPECT_EQ(RunTool({"verify", made}).Exit, 0);
  const QString out = fixture.Path("out");
  ASSERT_EQ(RunTool({"extract", made, out}).Exit, 0);
  for (const char *name : {"tps.jpg", "tpl0.jpg"}) {
    const QByteArray stored = ReadBytes(out + "/" + name);
    EXPECT_FALSE(stored.contains(QByteArray("Exif\0\0", 6))) << name;
    const QImage picture = QImage::fromData(stored, "JPEG");
    EXPECT_EQ(picture.size(), QSize(48, 64)) << name;
    EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(picture)) << name;
  }
  EXPECT_EQ(ReadBytes(photo), phone);
}
