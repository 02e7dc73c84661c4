// The byte layout of a written game, checked against hand-worked bytes.
#include "gamefile/GameFile.h"
#include "tests/gamefile/GameFixture.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char *hex) { return QByteArray::fromHex(hex); }

quint32 U32(const QByteArray &bytes, qsizetype at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Ten levels, the first a 41,415-byte JPEG with grid 70; boxes off in white, dark blue, white;
// all three skins stretched.
struct WorkedExample : ::testing::Test {
  TGameFixture Fixture;
  TGameData Game;
  QByteArray Bytes;

  void SetUp() override {
    QList<TPictureRecipe> levels = {{PictureJpeg, 41415, 70}};
    for (int i = 1; i < 10; ++i)
      levels.append({i % 2 ? PictureBmp : PictureJpeg, 100 + i, quint8(16 + i)});
    Game = Fixture.MakeGame({{PictureJpeg, 600}, {PictureJpeg, 700}, {PictureBmp, 800}}, levels);
    Game.PlayBox = {false, 0x00FFFFFF};
    Game.ScoreBox = {false, 0x00613D1D};
    Game.NextBox = {false, 0x00FFFFFF};
    Game.StartSkin.Stretch = Game.PlayingSkin.Stretch = Game.GameOverSkin.Stretch = true;
    const QString path = Fixture.Path("example.qbx");
    const TStatus status = WriteGameFile(path, Game);
    ASSERT_TRUE(status.Ok()) << status.Error().toStdString();
    Bytes = ReadBytes(path);
  }
};

TEST_F(WorkedExample, HeaderBytesMatchTheWorkedExample) {
  EXPECT_EQ(Bytes.left(21).toHex(' '),
            Hex("0A00FFFFFF00001D3D610000FFFFFF000101010A00").toHex(' '));
}

TEST_F(WorkedExample, FirstRecordStartsAt77) { EXPECT_EQ(Bytes.mid(21, 4), Hex("4D000000")); }

TEST_F(WorkedExample, LevelRecordPutsGridSizeBetweenLengthAndPicture) {
  const quint32 level1 = U32(Bytes, 21 + 4 * 3);
  EXPECT_EQ(Bytes.mid(level1, 9).toHex(' '), Hex("01C7A1000046FFD8FF").toHex(' '));
}

TEST_F(WorkedExample, ScoreTableIsTheLast100Bytes) {
  EXPECT_EQ(U32(Bytes, 21 + 4 * 13), quint32(Bytes.size() - 100));
  const QByteArray table = Bytes.right(100);
  EXPECT_EQ(table.left(10), QByteArray("Alice ") + Hex("40E20100"));    // 123456
  EXPECT_EQ(table.mid(10, 10), QByteArray("Bob   ") + Hex("FBFFFFFF")); // -5
  EXPECT_EQ(table.mid(20, 10), QByteArray("Zanpek") + Hex("00000000"));
}

TEST_F(WorkedExample, LengthIsHeaderTableAndRecordsWithoutGaps) {
  qint64 expected = 137 + 4 * 10;
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver})
    expected += 5 + ReadBytes(Game.Skin(kind).Path).size();
  for (const TLevel &level : Game.Levels)
    expected += 6 + ReadBytes(level.Path).size();
  EXPECT_EQ(Bytes.size(), expected);
  // Each record starts where the one before ends.
  qint64 at = 77;
  for (int record = 0; record < 13; ++record) {
    ASSERT_EQ(U32(Bytes, 21 + 4 * record), quint32(at)) << "record " << record;
    at += (record < 3 ? 5 : 6) + U32(Bytes, at + 1);
  }
}

TEST(ScoreNames, ShortNameIsPaddedToSixAndReadsBackTheSame) {
  TGameFixture fixture;
  TGameData game = fixture.SmallGame();
  game.Scores[4] = {TGameData::StoredName(QStringLiteral("Bob")), 77};
  game.Scores[5] = {TGameData::StoredName(QStringLiteral("Maximilian")), 78};
  const QString path = fixture.Path("names.qbx");
  ASSERT_TRUE(WriteGameFile(path, game).Ok());
  EXPECT_EQ(ReadBytes(path).right(100).mid(40, 20),
            QByteArray("Bob   ") + Hex("4D000000") + QByteArray("Maximi") + Hex("4E000000"));
  TGameData read;
  ASSERT_TRUE(ReadGameHeader(path, read).Ok());
  EXPECT_EQ(read.Scores[4].Name, QByteArray("Bob   "));
  EXPECT_EQ(read.Scores[5].Name, QByteArray("Maximi"));
  EXPECT_EQ(read.Scores, game.Scores);
}

TEST(PictureTypes, FollowTheLastThreeLettersOfTheName) {
  EXPECT_EQ(PictureTypeOfFileName("a/b/photo.jpg"), PictureJpeg);
  EXPECT_EQ(PictureTypeOfFileName("PHOTO.JpG"), PictureJpeg);
  EXPECT_EQ(PictureTypeOfFileName("x.bmp"), PictureBmp);
  EXPECT_EQ(PictureTypeOfFileName("xbmp"), PictureBmp);
  EXPECT_EQ(PictureTypeOfFileName("photo.jpeg"), PictureNone);
  EXPECT_EQ(PictureTypeOfFileName("photo.png"), PictureNone);
  EXPECT_EQ(PictureTypeOfFileName("pg"), PictureNone);
}

} // namespace
