#include "gamefile/HighScores.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Entry k (1..10) named "Name<k>" with score 1100 - 100 k: 1000, 900, ..., 100.
TScoreTable Descending() {
  TScoreTable table;
  for (int i = 0; i < 10; ++i)
    table[i] = {TGameData::StoredName(QString("Name%1").arg(i + 1)), 1000 - 100 * i};
  return table;
}

struct RankCase {
  const char *What;
  qint32 FinalScore;
  std::optional<int> Rank;
};

void PrintTo(const RankCase &c, std::ostream *out) { *out << c.What << " " << c.FinalScore; }

class ScoreRankTest : public ::testing::TestWithParam<RankCase> {};

TEST_P(ScoreRankTest, FirstEntryStrictlyLower) {
  EXPECT_EQ(ScoreRank(Descending(), GetParam().FinalScore), GetParam().Rank);
}

INSTANTIATE_TEST_SUITE_P(HighScores, ScoreRankTest,
                         ::testing::Values(RankCase{"AboveAll", 1001, 1},
                                           RankCase{"EqualToFirst", 1000, 2},
                                           RankCase{"EqualToEntry4", 700, 5},
                                           RankCase{"BetweenEntries", 650, 5},
                                           RankCase{"JustAboveEntry10", 101, 10},
                                           RankCase{"EqualToEntry10", 100, std::nullopt},
                                           RankCase{"BelowAll", 99, std::nullopt},
                                           RankCase{"Negative", -5, std::nullopt}),
                         [](const auto &row) { return std::string(row.param.What); });

TEST(HighScores, FreshTableTakesNoZeroButTakesTenAsBest) {
  const TScoreTable fresh = TGameData::DefaultScores();
  EXPECT_EQ(ScoreRank(fresh, 0), std::nullopt);
  EXPECT_EQ(ScoreRank(fresh, 10), 1);
  EXPECT_EQ(ScoreSound(*ScoreRank(fresh, 10)), "HiScore");
}

TEST(HighScores, SoundIsHiScoreOnlyForRankOne) {
  EXPECT_EQ(ScoreSound(1), "HiScore");
  for (int rank = 2; rank <= 10; ++rank)
    EXPECT_EQ(ScoreSound(rank), "EnterScore") << "rank " << rank;
}

TEST(HighScores, InsertionShiftsTheRestDownAndDropsEntry10) {
  const TScoreTable before = Descending();
  for (int rank = 1; rank <= 10; ++rank) {
    TScoreTable table = before;
    InsertScore(table, rank, 4321);
    for (int i = 0; i < rank - 1; ++i)
      EXPECT_EQ(table[i], before[i]) << "rank " << rank << ", entry " << i + 1 << " moved";
    EXPECT_EQ(table[rank - 1].Score, 4321) << "rank " << rank;
    EXPECT_EQ(table[rank - 1].Name, QByteArray("      ")) << "rank " << rank;
    for (int i = rank; i < 10; ++i)
      EXPECT_EQ(table[i], before[i - 1]) << "rank " << rank << ", entry " << i + 1;
  }
}

TEST(HighScores, EqualScoreGoesBelowTheEqualEntry) {
  TScoreTable table = Descending();
  InsertScore(table, *ScoreRank(table, 800), 800);
  EXPECT_EQ(table[2].Name, QByteArray("Name3 "));
  EXPECT_EQ(table[2].Score, 800);
  EXPECT_EQ(table[3].Name, QByteArray("      "));
  EXPECT_EQ(table[3].Score, 800);
  EXPECT_EQ(table[4].Name, QByteArray("Name4 "));
  EXPECT_EQ(table[9].Name, QByteArray("Name9 ")) << "entry 10 of before is lost";
}

struct TextCase {
  qint32 Score;
  const char *Text;
};

void PrintTo(const TextCase &c, std::ostream *out) { *out << c.Score; }

class ScoreTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ScoreTextTest, PaddedToEightDigits) {
  EXPECT_EQ(ScoreText(GetParam().Score), GetParam().Text);
}

INSTANTIATE_TEST_SUITE_P(
    HighScores, ScoreTextTest,
    ::testing::Values(TextCase{1234, "00001234"}, TextCase{0, "00000000"}, TextCase{7, "00000007"},
                      TextCase{9999999, "09999999"}, TextCase{12345678, "12345678"},
                      TextCase{123456789, "123456789"},
                      TextCase{std::numeric_limits<qint32>::max(), "2147483647"},
                      TextCase{-5, "-00000005"},
                      TextCase{std::numeric_limits<qint32>::min(), "-2147483648"}));

TEST(HighScores, TypedNamesAreStoredAsSixCharacters) {
  TScoreTable table = Descending();
  QStringList typed;
  for (int i = 0; i < 10; ++i)
    typed << QString("P%1").arg(i);
  typed[0] = "";
  typed[1] = "Bob";
  typed[2] = "Zanpek";
  typed[3] = "Longname";
  TakeNames(table, typed);
  EXPECT_EQ(table[0].Name, QByteArray("      "));
  EXPECT_EQ(table[1].Name, QByteArray("Bob   "));
  EXPECT_EQ(table[2].Name, QByteArray("Zanpek"));
  EXPECT_EQ(table[3].Name, QByteArray("Longna"));
  EXPECT_EQ(table[9].Name, QByteArray("P9    "));
  EXPECT_EQ(table[9].Score, 100) << "scores are left alone";
}

} // namespace
