// Truncated and corrupt games: every one gives a message naming the file and loads nothing.
#include "gamefile/GameFile.h"
#include "gamefile/WorkingPictures.h"
#include "tests/gamefile/GameFixture.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <functional>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// Game data as a caller holds it before reading: none of it may change when reading fails.
TGameData Sentinel() {
  TGameData data;
  data.FormatMark = 99;
  data.PlayBox = {true, 0x00010203};
  data.Levels = {{"old.jpg", PictureJpeg, 33}};
  data.Scores[0] = {"Keep  ", 1};
  data.FilePath = "old.qbx";
  return data;
}

struct Truncation : ::testing::Test {
  TGameFixture Fixture;
  TGameData Game = Fixture.SmallGame();
  QByteArray Full;
  QString Cut = Fixture.Path("cut.qbx");
  QString Out = Fixture.Path("program/");

  void SetUp() override {
    const QString path = Fixture.Path("full.qbx");
    ASSERT_TRUE(WriteGameFile(path, Game).Ok());
    Full = ReadBytes(path);
    ASSERT_GT(Full.size(), 300);
    QDir().mkpath(Out);
  }
};

TEST_F(Truncation, EveryShorterFileFailsToLoadAndChangesNothing) {
  for (qsizetype length = 0; length < Full.size(); ++length) {
    WriteBytes(Cut, Full.left(length));
    TGameData data = Sentinel();
    const TStatus header = ReadGameHeader(Cut, data);
    ASSERT_FALSE(header.Ok()) << "length " << length;
    EXPECT_TRUE(header.Error().startsWith("cut.qbx: the file is incomplete (cut short): "))
        << header.Error().toStdString();
    const TStatus all = ExtractAllPictures(Cut, data, Out);
    ASSERT_FALSE(all.Ok()) << "length " << length;
    EXPECT_EQ(data, Sentinel()) << "length " << length;
  }
  EXPECT_TRUE(FolderEntries(Out).isEmpty()) << FolderEntries(Out).join(' ').toStdString();
}

// The header, score table included, is checked before any single picture is copied out, so a
// cut file gives no picture at all, not even one whose record is still whole.
TEST_F(Truncation, NoSinglePictureComesOutOfAShorterFile) {
  for (qsizetype length = 0; length < Full.size(); ++length) {
    WriteBytes(Cut, Full.left(length));
    TGameData data = Sentinel();
    for (const TResult<QString> &result :
         {ExtractStartSkin(Cut, data, Out), ExtractPlayingSkin(Cut, data, Out),
          ExtractGameOverSkin(Cut, data, Out), ExtractLevelPicture(Cut, 1, data, Out),
          ExtractLevelPicture(Cut, 2, data, Out)}) {
      ASSERT_FALSE(result.Ok()) << "length " << length;
      EXPECT_TRUE(result.Error().startsWith("cut.qbx: ")) << result.Error().toStdString();
    }
    EXPECT_EQ(data, Sentinel()) << "length " << length;
  }
  EXPECT_TRUE(FolderEntries(Out).isEmpty());
}

// One corruption of a valid small game and the message it must give.
struct TCorruption {
  const char *Name;
  std::function<void(QByteArray &)> Apply;
  QString Message; // expected after "bad.qbx: "; SIZE stands for the file size
};
void PrintTo(const TCorruption &c, std::ostream *os) { *os << c.Name; }

void PutU32(QByteArray &bytes, qsizetype at, quint32 value) {
  qToLittleEndian(value, bytes.data() + at);
}
quint32 U32(const QByteArray &bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The small game: 2 levels, records start at 45; level 2's record is at offset 217, its picture
// 19 bytes; the score table is at 242 and the file 342 bytes long.
const TCorruption Corruptions[] = {
    {"LevelCountBeyondTable",
     [](QByteArray &b) {
       b[19] = char(0xFF);
       b[20] = char(0xFF);
     },
     "the file is incomplete (cut short): the offset table of 65535 levels runs past the end of "
     "the file (it ends at offset 262177, file size SIZE)"},
    {"StartSkinPastEnd", [](QByteArray &b) { PutU32(b, 21, 400); },
     "start skin record header runs past the end of the file (offset 400, file size SIZE)"},
    {"PlayingSkinIntoHeader", [](QByteArray &b) { PutU32(b, 25, 5); },
     "playing skin record offset 5 points into the header (records start at 45)"},
    {"LevelLengthTooLarge", [](QByteArray &b) { PutU32(b, 217 + 1, 99999); },
     "level 2 record runs past the end of the file (offset 217, length 99999, file size SIZE)"},
    {"LengthAtMaximum", [](QByteArray &b) { PutU32(b, 160 + 1, 0xFFFFFFFF); },
     "level 1 record runs past the end of the file (offset 160, length 4294967295, file size "
     "SIZE)"},
    {"OffsetAtMaximum", [](QByteArray &b) { PutU32(b, 33, 0xFFFFFFFF); },
     "level 1 record header runs past the end of the file (offset 4294967295, file size SIZE)"},
    {"RecordHeadCutByEnd", [](QByteArray &b) { PutU32(b, 37, quint32(b.size() - 5)); },
     "level 2 record header runs past the end of the file (offset 337, file size SIZE)"},
    {"ScoreTablePastEnd", [](QByteArray &b) { PutU32(b, 41, quint32(b.size() - 99)); },
     "the file is incomplete (cut short): the high-score table runs past the end of the file "
     "(offset 243, length 100, file size SIZE)"},
    {"ScoreTableAtMaximum", [](QByteArray &b) { PutU32(b, 41, 0xFFFFFFFF); },
     "the file is incomplete (cut short): the high-score table runs past the end of the file "
     "(offset 4294967295, length 100, file size SIZE)"},
    {"ScoreTableIntoHeader", [](QByteArray &b) { PutU32(b, 41, 0); },
     "the high-score table offset 0 points into the header (records start at 45)"},
    {"OneLevelMoreThanStored", [](QByteArray &b) { b[19] = 3; },
     "the file is incomplete (cut short): the high-score table runs past the end of the file "
     "(offset 10241, length 100, file size SIZE)"},
};

struct Corruption : ::testing::TestWithParam<TCorruption> {};

TEST_P(Corruption, IsReportedExactlyAndLoadsNothing) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("bad.qbx");
  QByteArray bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 342);
  ASSERT_EQ(U32(bytes, 37), 217u);
  GetParam().Apply(bytes);
  WriteBytes(path, bytes);

  TGameData data = Sentinel();
  const TStatus status = ReadGameHeader(path, data);
  ASSERT_FALSE(status.Ok());
  EXPECT_EQ(status.Error(),
            "bad.qbx: " +
                QString(GetParam().Message).replace("SIZE", QString::number(bytes.size())));
  EXPECT_EQ(data, Sentinel());
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  EXPECT_FALSE(ExtractAllPictures(path, data, out).Ok());
  EXPECT_EQ(data, Sentinel());
  EXPECT_TRUE(FolderEntries(out).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, Corruption, ::testing::ValuesIn(Corruptions),
                         [](const auto &row) { return std::string(row.param.Name); });

TEST(UnknownPictureType, HeaderLoadsButThatPictureIsRefused) {
  TGameFixture fixture;
  const TGameData game = fixture.SmallGame();
  const QString path = fixture.WriteSmallGame("odd.qbx");
  QByteArray bytes = ReadBytes(path);
  bytes[45] = 7;  // start skin type
  bytes[160] = 0; // level 1 type
  WriteBytes(path, bytes);

  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  EXPECT_EQ(data.LevelCount(), 2);
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  const TGameData before = data;
  TResult<QString> start = ExtractStartSkin(path, data, out);
  ASSERT_FALSE(start.Ok());
  EXPECT_EQ(start.Error(),
            "odd.qbx: the start skin picture has unknown type 7 (1 is JPEG, 2 is BMP)");
  TResult<QString> level1 = ExtractLevelPicture(path, 1, data, out);
  ASSERT_FALSE(level1.Ok());
  EXPECT_TRUE(level1.Error().contains("level 1 picture has unknown type 0"));
  EXPECT_FALSE(ExtractAllPictures(path, data, out).Ok());
  EXPECT_EQ(data, before);
  EXPECT_TRUE(FolderEntries(out).isEmpty());

  TResult<QString> playing = ExtractPlayingSkin(path, data, out);
  ASSERT_TRUE(playing.Ok());
  EXPECT_EQ(ReadBytes(playing.Value()), ReadBytes(game.PlayingSkin.Path));
}

// A picture record that lies inside its file but claims more bytes than any decodable picture
// needs is refused before a working file is created; the rest of the game still loads.
TEST(OversizedPicture, IsRefusedBeforeAnythingIsWritten) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("huge.qbx");
  QByteArray bytes = ReadBytes(path);
  const quint32 claimed = 300u << 20;
  PutU32(bytes, 217 + 1, claimed); // level 2, the last record
  WriteBytes(path, bytes);
  QFile file(path);
  ASSERT_TRUE(file.resize(217 + 6 + qint64(claimed))); // sparse: the record lies inside the file

  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  const QString out = fixture.Path("program/");
  QDir().mkpath(out);
  const TResult<QString> level2 = ExtractLevelPicture(path, 2, data, out);
  ASSERT_FALSE(level2.Ok());
  EXPECT_TRUE(level2.Error().startsWith("huge.qbx: the level 2 picture is too big (314572800 "
                                        "bytes, the limit is "))
      << level2.Error().toStdString();
  EXPECT_FALSE(ExtractAllPictures(path, data, out).Ok());
  EXPECT_TRUE(FolderEntries(out).isEmpty());
}

// Opening a FIFO would wait for a writer and a device has no size: both are refused unopened.
TEST(NotARegularFile, IsRefusedWithoutBlocking) {
  TGameFixture fixture;
  const QString fifo = fixture.Path("pipe.qbx");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString link = fixture.Path("device.qbx");
  ASSERT_TRUE(QFile::link("/dev/null", link));
  for (const QString &path : {fifo, link, fixture.Folder()}) {
    TGameData data = Sentinel();
    const TStatus status = ReadGameHeader(path, data);
    ASSERT_FALSE(status.Ok());
    EXPECT_TRUE(status.Error().endsWith(": not a regular file")) << status.Error().toStdString();
    EXPECT_EQ(data, Sentinel());
  }
}

TEST(MissingGame, IsReportedWithTheSystemsReason) {
  TGameFixture fixture;
  TGameData data = Sentinel();
  const TStatus status = ReadGameHeader(fixture.Path("nowhere.qbx"), data);
  ASSERT_FALSE(status.Ok());
  EXPECT_EQ(status.Error(), "nowhere.qbx: cannot open the file (No such file or directory)");
  EXPECT_EQ(data, Sentinel());
}

} // namespace
