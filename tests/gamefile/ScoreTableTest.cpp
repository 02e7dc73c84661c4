// Rewriting the high-score table in place.
#include "gamefile/GameFile.h"
#include "tests/gamefile/GameFixture.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TScoreTable NewScores() {
  TScoreTable scores = TGameData::DefaultScores();
  scores[0] = {"Winner", 1000000};
  scores[3] = {"Bob   ", -1};
  return scores;
}

QByteArray Hex(const char *hex) { return QByteArray::fromHex(hex); }

void ExpectNewTable(const QByteArray &table) {
  ASSERT_EQ(table.size(), 100);
  EXPECT_EQ(table.left(10), QByteArray("Winner") + Hex("40420F00"));
  EXPECT_EQ(table.mid(30, 10), QByteArray("Bob   ") + Hex("FFFFFFFF"));
  for (int i : {1, 2, 4, 5, 6, 7, 8, 9})
    EXPECT_EQ(table.mid(qsizetype(10) * i, 10), QByteArray("Zanpek") + Hex("00000000")) << i;
}

TEST(ScoreTable, RewriteChangesOnlyTheLast100Bytes) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("g.qbx");
  const QByteArray before = ReadBytes(path);
  TGameData data;
  ASSERT_TRUE(ReadGameHeader(path, data).Ok());
  data.Scores = NewScores();
  const TStatus status = WriteScoreTable(path, data);
  ASSERT_TRUE(status.Ok()) << status.Error().toStdString();
  const QByteArray after = ReadBytes(path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.left(after.size() - 100), before.left(before.size() - 100));
  ExpectNewTable(after.right(100));
  TGameData read;
  ASSERT_TRUE(ReadGameHeader(path, read).Ok());
  EXPECT_EQ(read.Scores, NewScores());
}

// The table goes where the offset table says, even when that is not the end of the file.
TEST(ScoreTable, RewriteFollowsTheOffsetTable) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("g.qbx");
  QByteArray bytes = ReadBytes(path);
  bytes.append(QByteArray(50, 'x'));
  WriteBytes(path, bytes);
  TGameData data;
  data.Scores = NewScores();
  ASSERT_TRUE(WriteScoreTable(path, data).Ok());
  const QByteArray after = ReadBytes(path);
  EXPECT_EQ(after.size(), bytes.size());
  ExpectNewTable(after.mid(242, 100));
  EXPECT_EQ(after.right(50), QByteArray(50, 'x'));
}

struct BadTableOffset : ::testing::TestWithParam<quint32> {};

TEST_P(BadTableOffset, IsRefusedAndTheFileUnchanged) {
  TGameFixture fixture;
  const QString path = fixture.WriteSmallGame("g.qbx");
  QByteArray bytes = ReadBytes(path);
  qToLittleEndian(GetParam(), bytes.data() + 41);
  WriteBytes(path, bytes);
  TGameData data;
  data.Scores = NewScores();
  const TStatus status = WriteScoreTable(path, data);
  ASSERT_FALSE(status.Ok());
  // Past the end, the message first says that the file is incomplete.
  EXPECT_TRUE(status.Error().startsWith("g.qbx: ") &&
              status.Error().contains("the high-score table "))
      << status.Error().toStdString();
  EXPECT_EQ(ReadBytes(path), bytes);
}

// Into the header, one byte too far, far past the end, at the 32-bit limit.
INSTANTIATE_TEST_SUITE_P(Offsets, BadTableOffset,
                         ::testing::Values(0u, 44u, 243u, 100000u, 0xFFFFFFFFu));

TEST(ScoreTable, GameInsideALargerFileGetsItsTableWithinItsRange) {
  TGameFixture fixture;
  const QByteArray game = ReadBytes(fixture.WriteSmallGame("g.qbx"));
  const QByteArray program(3000, 'P');
  const QString exe = fixture.Path("space");
  WriteBytes(exe, program + game);
  TGameData data;
  data.Scores = NewScores();
  ASSERT_TRUE(WriteScoreTable(TGameSource::Range(exe, program.size(), game.size()), data).Ok());
  const QByteArray after = ReadBytes(exe);
  ASSERT_EQ(after.size(), program.size() + game.size());
  EXPECT_EQ(after.left(after.size() - 100), (program + game).left(after.size() - 100));
  ExpectNewTable(after.right(100));
}

TEST(ScoreTable, MissingFileIsReportedNotCreated) {
  TGameFixture fixture;
  TGameData data;
  const TStatus status = WriteScoreTable(fixture.Path("none.qbx"), data);
  ASSERT_FALSE(status.Ok());
  EXPECT_TRUE(status.Error().startsWith("none.qbx: cannot open the file"))
      << status.Error().toStdString();
  EXPECT_FALSE(QFile::exists(fixture.Path("none.qbx")));
}

} // namespace
