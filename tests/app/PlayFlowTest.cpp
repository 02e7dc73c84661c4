// A level under virtual time: pieces land, rows clear and uncover cells, the score follows the
// rules, and the level or the game ends.
#include "gamefile/GameFile.h"
#include "tests/app/GameHarness.h"
#include "tests/support/ExifJpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A game of the given levels, started and playing its first level; the first piece is due.
class PlayFlowTest : public ::testing::Test {
protected:
  void Play(const std::vector<TTestLevel> &levels = {TTestLevel{}, TTestLevel{}}) {
    H.MakeGame("Default", levels);
    H.Start();
    H.StartPlaying();
    ASSERT_TRUE(H.Game->Model().Pieces().NewPieceDue());
  }
  TGame &Game() { return *H.Game; }
  TWell &Well() { return H.Game->Model().Session().Well; }
  // Fills a row but for the given columns; the blocks carry the given picture cell.
  void FillRow(int row, std::initializer_list<int> holes, QPoint cell) {
    for (int c = 1; c <= 10; ++c) {
      if (std::find(holes.begin(), holes.end(), c) != holes.end())
        continue;
      TWellSquare &s = Well().Square(c, row);
      s.Occupied = true;
      s.CarriedCellCol = cell.x();
      s.CarriedCellRow = cell.y();
    }
  }
  QPoint Target() { return Game().Model().Session().Targets.Current(); }
  // Another cell than the target, still hidden.
  QPoint OtherHiddenCell() {
    for (const TCellEntry &e : Game().Model().Session().Cells.CellList())
      if (!e.Uncovered && QPoint(e.Col, e.Row) != Target())
        return {e.Col, e.Row};
    ADD_FAILURE() << "no other hidden cell";
    return {};
  }
  int HiddenCount() { return Game().Model().Session().Cells.HiddenCount(); }
  // Drops a square into the gap of a full row carrying the target, the last hidden cell; the
  // landing comes 150 ms after the last row's slide.
  void UncoverTheLastCell() {
    Game().Model().Session().Piece.SetType(4);
    FillRow(1, {5, 6}, Target());
    H.Tap(Qt::Key_Space);
    for (int i = 0; i < 400 && Game().Model().Session().Score() < 200; ++i)
      H.Advance(1);
  }

  TGameHarness H;
};

} // namespace

TEST_F(PlayFlowTest, LevelStartsWithOneSecondFallAndShowsThePlayFieldAfter150Ms) {
  Play();
  EXPECT_EQ(Game().Model().Pieces().FallInterval(), 1000);
  EXPECT_TRUE(Game().Model().Pieces().Falling());
  EXPECT_LT(Game().Screen().Surface().Left(), 0);
  H.Advance(150);
  EXPECT_EQ(Game().Screen().Surface().Left(), 320);
  EXPECT_EQ(Game().Model().Session().Cells.TotalCount(), 4);
  EXPECT_FALSE(Game().Screen().Overlays().Prompt().Visible);
}

TEST_F(PlayFlowTest, TwoBottomRowsAtOnceScoreBothBottomBonusesAndUncoverTheirCellOnce) {
  Play();
  Game().Model().Session().Piece.SetType(4);
  FillRow(1, {5, 6}, Target());
  FillRow(2, {5, 6}, Target());
  H.Press(Qt::Key_Space);
  H.Frames(1); // the piece appears and drops at once: 20 points
  H.Release(Qt::Key_Space);
  H.Advance(400);
  // 20 drop + 10 landing + 60 + 60 bottom rows + 100 for the one cell + 20 for two rows.
  EXPECT_EQ(Game().Model().Session().Score(), 270);
  EXPECT_EQ(HiddenCount(), 3);
  for (int c = 1; c <= 10; ++c) {
    EXPECT_FALSE(Well().Square(c, 1).Occupied) << c;
    EXPECT_FALSE(Well().Square(c, 2).Occupied) << c;
  }
  EXPECT_TRUE(Game().Model().Pieces().NewPieceDue() || Game().Model().Session().Piece.Active());
}

TEST_F(PlayFlowTest, FourRowsAboveTheBottomGiveNoBottomBonus) {
  Play();
  Game().Model().Session().Piece.SetType(5);
  for (int r = 1; r <= 4; ++r)
    FillRow(r, {1}, Target());
  for (int r = 5; r <= 8; ++r)
    FillRow(r, {5}, Target());
  H.Frames(5); // the first step falls one row: the upright turn fits now
  H.Tap(Qt::Key_Up);
  ASSERT_EQ(Game().Model().Session().Piece.Piece().Turn, 4);
  H.Frames(1);
  H.Tap(Qt::Key_Space);
  H.Advance(400);
  // 20 drop + 10 landing + 100 cell + 40 for four rows.
  EXPECT_EQ(Game().Model().Session().Score(), 170);
  for (int r = 5; r <= 8; ++r)
    EXPECT_FALSE(Well().Square(2, r).Occupied) << r;
  EXPECT_TRUE(Well().Square(2, 1).Occupied);
}

TEST_F(PlayFlowTest, OneBottomRowUncoveringTwoCellsScores280) {
  Play();
  Game().Model().Session().Piece.SetType(4);
  FillRow(1, {5, 6}, OtherHiddenCell());
  Well().Square(1, 1).CarriedCellCol = Target().x();
  Well().Square(1, 1).CarriedCellRow = Target().y();
  // It falls all the way without a drop, then lands.
  for (int i = 0; i < 400 && Game().Model().Session().Score() == 0; ++i)
    H.Advance(100);
  EXPECT_EQ(Game().Model().Session().Score(), 280);
  EXPECT_EQ(HiddenCount(), 2);
}

TEST_F(PlayFlowTest, TheLastHiddenCellEndsTheLevel50MsLaterWith1000Points) {
  Play({TTestLevel{{100, 100}, 100}, TTestLevel{}}); // a single cell
  ASSERT_EQ(Game().Model().Session().Cells.TotalCount(), 1);
  UncoverTheLastCell();
  ASSERT_EQ(Game().Model().Session().Score(), 20 + 10 + 60 + 100 + 10);
  EXPECT_TRUE(Game().Model().Session().LevelComplete());
  EXPECT_FALSE(Game().Model().Pieces().NewPieceDue());
  H.Advance(49);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  H.Advance(1);
  EXPECT_EQ(Game().Model().GameState(), StateLevelEnd);
  EXPECT_EQ(Game().Model().Session().Score(), 1200);
  EXPECT_FALSE(Game().Model().Pieces().Falling());
  EXPECT_TRUE(Game().Screen().Overlays().Prompt().Visible);
  // Space: the next level, the score carried over.
  H.Tap(Qt::Key_Space);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_EQ(Game().Model().Level(), 2);
  EXPECT_EQ(Game().Model().Session().Score(), 1200);
}

TEST_F(PlayFlowTest, TheLevelEndShowsThePictureAsPlayedWithoutReadingItAgain) {
  Play({TTestLevel{{100, 100}, 100}, TTestLevel{}});
  // Nothing left to read: the picture shown must come from the level as it was played.
  for (const QFileInfo &file : QDir(Game().WorkingFolder()).entryInfoList(QDir::Files))
    QFile::remove(file.filePath());
  UncoverTheLastCell();
  H.Advance(50);
  ASSERT_EQ(Game().Model().GameState(), StateLevelEnd);
  const QColor shown = Game().Screen().Picture().pixelColor(300, 200); // the window's centre
  // The first level's picture has a lighter disc in its middle.
  const QColor painted = QColor::fromHsv(0, 200, 200).lighter(160);
  EXPECT_NEAR(shown.red(), painted.red(), 12);
  EXPECT_NEAR(shown.green(), painted.green(), 12);
  EXPECT_NEAR(shown.blue(), painted.blue(), 12);
}

// A game file made elsewhere holds a phone photo stored turned (EXIF orientation 6): the level
// is played and ends showing it upright.
TEST_F(PlayFlowTest, APhonePhotoStoredTurnedIsPlayedAndShownUpright) {
  TTestLevel phone{{100, 100}, 100};
  phone.Jpeg = ExifJpeg::PhoneJpeg(ExifJpeg::Quarters({100, 100}), 6);
  Play({phone, TTestLevel{}});
  ASSERT_EQ(Game().Model().Session().Cells.TotalCount(), 1);
  UncoverTheLastCell();
  H.Advance(50);
  ASSERT_EQ(Game().Model().GameState(), StateLevelEnd);
  // Centred in the window at the size of its single 100 x 100 cell.
  EXPECT_TRUE(ExifJpeg::ShowsQuartersUpright(Game().Screen().Picture().copy(250, 150, 100, 100)));
}

TEST_F(PlayFlowTest, NoRoomForTheNewSquareEndsTheGame) {
  Play();
  Game().Model().Session().Piece.SetType(4);
  Well().Square(6, 16).Occupied = true;
  H.Frames(1);
  EXPECT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_FALSE(Game().Model().AllLevelsDone());
  EXPECT_FALSE(Game().Model().Session().Piece.Active());
  EXPECT_EQ(Game().Model().Level(), 1);
  EXPECT_FALSE(Game().Model().Pieces().Falling());
  // Space: back to the title; the next game starts at level 1 with score 0.
  H.Tap(Qt::Key_Space);
  EXPECT_EQ(Game().Model().GameState(), StateTitle);
  H.Frames(1);
  H.Tap(Qt::Key_Space);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_EQ(Game().Model().Session().Score(), 0);
}

TEST_F(PlayFlowTest, AnOccupiedSquareInRow16UnderARow17BlockEndsTheGame) {
  Play();
  Game().Model().Session().Piece.SetType(0); // (4,18) (5,18) (6,18) (6,17)
  Well().Square(6, 16).Occupied = true;
  H.Frames(1);
  EXPECT_EQ(Game().Model().GameState(), StateGameOver);
}

TEST_F(PlayFlowTest, ASquareBesideTheSpawnLeavesRoom) {
  Play();
  Game().Model().Session().Piece.SetType(0);
  Well().Square(5, 16).Occupied = true; // not under any block of the piece
  H.Frames(1);
  EXPECT_EQ(Game().Model().GameState(), StatePlaying);
  EXPECT_TRUE(Game().Model().Session().Piece.Active());
}

TEST_F(PlayFlowTest, CtrlLSkipsTheLevelWith1000Points) {
  Play();
  H.Frames(3);
  Game().KeyDown(Qt::Key_L, true);
  EXPECT_EQ(Game().Model().GameState(), StateLevelEnd);
  EXPECT_EQ(Game().Model().Session().Score(), 1000);
  EXPECT_FALSE(Game().Model().Session().Piece.Active());
  // With the prompt shown, Ctrl+L does nothing.
  Game().KeyDown(Qt::Key_L, true);
  EXPECT_EQ(Game().Model().Session().Score(), 1000);
}

TEST_F(PlayFlowTest, APieceMovedDuringTheLockDelayLandsAfterItsSlide) {
  Play();
  Game().Model().Session().Piece.SetType(4);
  H.Tap(Qt::Key_Space);
  H.Frames(4); // last row: now on the floor, the lock delay runs
  ASSERT_EQ(Game().Model().Session().Piece.Piece().Block(0).Row, 2);
  H.Advance(130);
  H.Press(Qt::Key_Left); // the slide is still running when the delay ends
  H.Frames(1);
  H.Release(Qt::Key_Left);
  H.Frames(2);
  EXPECT_TRUE(Game().Model().Session().Piece.Active());
  H.Advance(100);
  EXPECT_EQ(Game().Model().Session().Score(), 20 + 10); // dropped and landed
  EXPECT_TRUE(Well().Square(4, 1).Occupied);
  EXPECT_TRUE(Well().Square(5, 2).Occupied);
  EXPECT_FALSE(Well().Square(6, 1).Occupied);
}

TEST_F(PlayFlowTest, FinishingTheLastLevelLeadsToGameOverWithAllLevelsDone) {
  Play({TTestLevel{{100, 100}, 100}});
  Game().KeyDown(Qt::Key_L, true);
  ASSERT_EQ(Game().Model().GameState(), StateLevelEnd);
  H.Tap(Qt::Key_Space);
  EXPECT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_TRUE(Game().Model().AllLevelsDone());
  EXPECT_EQ(Game().Model().Level(), 1);
}

TEST_F(PlayFlowTest, AQualifyingScoreIsEnteredByNameAndWrittenIntoTheGameFile) {
  Play();
  Game().KeyDown(Qt::Key_L, true); // 1000 points
  H.Tap(Qt::Key_Space);
  Game().Model().Session().Piece.SetType(4);
  Well().Square(5, 16).Occupied = true;
  H.Frames(1); // no room: game over
  ASSERT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_EQ(H.Dialogs.ScoreRows, QList<int>{1});
  EXPECT_TRUE(H.Sound.Played.contains("HiScore"));
  // Read back from the file: the new entry first, the old first entry second.
  TGameData stored;
  ASSERT_TRUE(ReadGameHeader(Game().GameData().FilePath, stored).Ok());
  EXPECT_EQ(stored.Scores[0].Name, QByteArray("Alice "));
  EXPECT_EQ(stored.Scores[0].Score, 1000);
  EXPECT_EQ(stored.Scores[1].Name, QByteArray("Zanpek"));
}

TEST_F(PlayFlowTest, AScoreTableThatCannotBeWrittenIsKeptAndReported) {
  Play();
  Game().KeyDown(Qt::Key_L, true);
  H.Tap(Qt::Key_Space);
  QFile::remove(Game().GameData().FilePath); // the game file went away meanwhile
  Game().Model().Session().Piece.SetType(4);
  Well().Square(5, 16).Occupied = true;
  H.Frames(1);
  ASSERT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_EQ(Game().GameData().Scores[0].Score, 1000);
  // The game-over picture is missing too; both are told.
  EXPECT_TRUE(H.Dialogs.Messages.join('\n').contains("could not be saved"))
      << H.Dialogs.Messages.join('\n').toStdString();
}

TEST_F(PlayFlowTest, AScoreOfZeroDoesNotEnterAFreshTable) {
  Play();
  Game().Model().Session().Piece.SetType(4);
  Well().Square(5, 16).Occupied = true;
  H.Frames(1);
  ASSERT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_TRUE(H.Dialogs.ScoreRows.isEmpty());
}

TEST_F(PlayFlowTest, FramesThatChangeNothingPresentNothingButThePieceStaysOnScreen) {
  Play();
  H.Advance(200); // the first step is done and the play field is shown
  ASSERT_FALSE(Game().Model().Session().Piece.SteppingDown());
  const int presents = Game().Screen().Surface().PresentCount();
  H.Frames(20); // resting in the air until the next fall step
  EXPECT_EQ(Game().Screen().Surface().PresentCount(), presents);
  const QImage &surface = Game().Screen().Surface().Surface().Image();
  const auto before = Game().Model().Session().Piece.BlockPositions();
  const QPoint centre(9, 9);
  const QRgb block = surface.pixel(before[0] + centre);
  H.Tap(Qt::Key_Left);
  H.Frames(5);
  EXPECT_GT(Game().Screen().Surface().PresentCount(), presents);
  // The piece moved one square left: drawn there, and the background where only it was.
  const auto after = Game().Model().Session().Piece.BlockPositions();
  for (size_t b = 0; b < after.size(); ++b) {
    EXPECT_EQ(surface.pixel(after[b] + centre), block);
    if (std::find(after.begin(), after.end(), before[b]) == after.end()) {
      EXPECT_NE(surface.pixel(before[b] + centre), block);
    }
  }
}

TEST_F(PlayFlowTest, ASlideSidewaysPresentsOnlyTheSquaresAroundThePiece) {
  Play();
  H.Advance(200);
  QRect presented;
  Game().Screen().Surface().OnPresent = [&](const QRect &changed) { presented |= changed; };
  QRect around; // every square the piece stands on, before the slide and after it
  for (const QPoint &b : Game().Model().Session().Piece.BlockPositions())
    around |= QRect(b, QSize(18, 18));
  H.Tap(Qt::Key_Left);
  H.Frames(5);
  for (const QPoint &b : Game().Model().Session().Piece.BlockPositions())
    around |= QRect(b, QSize(18, 18));
  ASSERT_FALSE(presented.isEmpty());
  EXPECT_TRUE(around.contains(presented)) << "presented beyond the piece";
}

TEST_F(PlayFlowTest, ALandingThatClearsNoRowShowsItsScoreAndNextPieceAtOnceAndNothingElse) {
  Play();
  H.Advance(200);
  // The next piece's cell is uncovered already, so its arrival draws no cell grid.
  const QPoint next = Game().Model().Session().Targets.Next();
  Game().Model().Session().Cells.Uncover(next.x(), next.y());
  Game().Screen().Shown().ShowAll();
  // What the window shows: the parts of the window picture it was told of, as they were then.
  QImage screen = Game().Screen().Picture().copy();
  QRegion shownParts;
  Game().Screen().Shown().OnChanged = [&](const QRegion &changed) {
    QPainter painter(&screen);
    painter.setClipRegion(changed);
    painter.drawImage(0, 0, Game().Screen().Picture());
    shownParts += changed;
  };
  H.Tap(Qt::Key_Space);
  for (int ms = 0; ms < 2000 && !Game().Model().Pieces().NewPieceDue(); ++ms)
    H.Advance(1);
  ASSERT_TRUE(Game().Model().Pieces().NewPieceDue()) << "the piece has landed";
  H.Frames(1);
  EXPECT_EQ(screen, Game().Screen().Picture()) << "a change was left out of the parts shown";
  EXPECT_FALSE(QRegion(screen.rect()).subtracted(shownParts).isEmpty())
      << "the whole window was shown again for a score and a next piece";
}

TEST_F(PlayFlowTest, ALevelWhosePictureCannotBeUsedIsSkippedWithTheReason) {
  TTestLevel broken;
  broken.Undecodable = true;
  TTestLevel small;
  small.Size = QSize(60, 60); // a grid of 100 fits no cell into it
  Play({broken, small, TTestLevel{}});
  EXPECT_EQ(Game().Model().Level(), 3);
  EXPECT_EQ(Game().Model().Session().Cells.TotalCount(), 4);
  ASSERT_EQ(H.Dialogs.Messages.size(), 2);
  // The fake dialogs keep each box's lines joined with '|'.
  EXPECT_TRUE(H.Dialogs.Messages[0].contains(
      "Level 1 of Default.qbx cannot be shown: its picture is damaged ("))
      << H.Dialogs.Messages[0].toStdString();
  EXPECT_TRUE(H.Dialogs.Messages[1].contains(
      "Level 2 of Default.qbx cannot be shown: its picture (60 x 60 pixels) is smaller than its "
      "grid of 100-pixel cells. The level is skipped."))
      << H.Dialogs.Messages[1].toStdString();
}

TEST_F(PlayFlowTest, AGameOfUnreadableLevelsEndsInsteadOfHanging) {
  TTestLevel broken;
  broken.Undecodable = true;
  H.MakeGame("Default", {broken, broken});
  H.Start();
  H.Advance(50);
  Game().Run(TCommand::StartGame);
  EXPECT_EQ(Game().Model().GameState(), StateGameOver);
  EXPECT_EQ(H.Dialogs.Messages.size(), 2);
}
