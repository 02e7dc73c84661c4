// The place a drop would settle the falling piece, drawn faintly on the play surface: the play
// screen is rendered offscreen and its pixels read, while a piece on a well of its own falls,
// moves and turns over settled blocks.
#include "screen/PlayScreen.h"

#include "gamefile/GameData.h"
#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "tests/rules/PieceRig.h"

#include <QImage>
#include <QObject>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QRgb Grey = qRgb(60, 60, 60);
const QRgb PieceColour = qRgb(240, 200, 40);  // colour 2
const QRgb SettledColour = qRgb(40, 90, 230); // colour 5
constexpr int PieceColourIndex = 2, SettledColourIndex = 5;

TScreenPictures SolidPictures() {
  QImage parts(72, 36, QImage::Format_RGB32);
  parts.fill(qRgb(200, 0, 200));
  for (int k = 0; k < 8; ++k) {
    const QRgb colour = k == PieceColourIndex     ? PieceColour
                        : k == SettledColourIndex ? SettledColour
                                                  : qRgb(20 * k, 100, 0);
    for (int y = 0; y < 18; ++y)
      for (int x = 0; x < 18; ++x)
        parts.setPixel((k % 4) * 18 + x, (k / 4) * 18 + y, colour);
  }
  QImage figure(18, 18, QImage::Format_RGB32), small(10, 10, QImage::Format_RGB32);
  QImage prompt(200, 40, QImage::Format_RGB32), banner(474, 121, QImage::Format_RGB32);
  for (QImage *image : {&figure, &small, &prompt, &banner})
    image->fill(Qt::white);
  return {parts, figure, small, prompt, banner};
}

int Channel(QRgb c, int i) { return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c); }

// The ghost's colour: the piece's colour faintly over the grey play field.
bool LooksFaint(QRgb pixel) {
  for (int i = 0; i < 3; ++i) {
    const double expected = TGhostPiece::Opacity * Channel(PieceColour, i) +
                            (1 - TGhostPiece::Opacity) * Channel(Grey, i);
    if (qAbs(Channel(pixel, i) - expected) > 2)
      return false;
  }
  return true;
}

class GhostPieceTest : public ::testing::Test {
protected:
  void SetUp() override {
    View.Surface().Initialize();
    QImage skin(600, 400, QImage::Format_RGB32);
    skin.fill(Grey);
    View.ComposeLevel(skin, TGameData{}, 1, TPictureCells{});
    View.ShowPlayField();
    Field = Surface();
    // A settled row with a gap, and a tower beside it, as landings leave them.
    for (int c = 1; c <= 8; ++c)
      Settle(c, 1);
    Settle(2, 2);
    Settle(2, 3);
    TLanding landing;
    landing.RowsRemoved = 1;
    landing.LowestRemovedRow = 1; // repaints the well from row 1 up
    View.ShowLanding(landing, Rig.Well, Cells);
    Settled = Surface();
    View.Piece().SetColour(PieceColourIndex);
    Rig.Spawn(5); // the long piece, flat in row 18, columns 4 to 7
    View.Piece().Create(Rig.Piece.BlockPositions());
  }

  void Settle(int col, int row) {
    Rig.Fill(col, row);
    Rig.Well.Square(col, row).ColourIndex = SettledColourIndex;
  }
  QImage Surface() { return View.Surface().Surface().Image().copy(); }
  void Draw(bool ghost = true) {
    View.Piece().DrawFrame(Rig.Piece.BlockPositions(), true,
                           ghost ? Rig.Piece.LandingPositions() : std::vector<QPoint>{});
  }
  // Each frame of the rig drawn as the game draws it.
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      Rig.Frame();
      Draw();
    }
  }
  // The pixels that differ from the settled well, outside the piece's own squares.
  std::vector<QPoint> ChangedBesideThePiece() {
    const QImage now = Surface();
    std::vector<QPoint> changed;
    for (int y = 0; y < now.height(); ++y)
      for (int x = 0; x < now.width(); ++x) {
        bool onPiece = false;
        for (const QPoint &b : Rig.Piece.BlockPositions())
          onPiece = onPiece || QRect(b, QSize(BlockSize, BlockSize)).contains(x, y);
        if (!onPiece && now.pixel(x, y) != Settled.pixel(x, y))
          changed.push_back({x, y});
      }
    return changed;
  }
  QRgb At(int col, int row, QPoint offset = {9, 9}) {
    return Surface().pixel(QPoint(TWell::SquareLeft(col), TWell::SquareTop(row)) + offset);
  }

  QObject Owner;
  TPlayScreen View{Owner, SolidPictures()};
  PieceRig Rig;
  TPictureCells Cells;
  QImage Field, Settled;
};

TEST_F(GhostPieceTest, NothingShowsWhereThePieceWillLandUnlessAsked) {
  ASSERT_EQ(At(5, 2), Grey);
  ASSERT_EQ(At(2, 3), SettledColour);
  Draw(false);
  EXPECT_TRUE(ChangedBesideThePiece().empty());
}

TEST_F(GhostPieceTest, TheLandingPlaceShowsFaintlyOnItsSquaresOnly) {
  Draw();
  // Over the gap in row 1 the long piece stops on row 2, columns 4 to 7.
  for (int c = 4; c <= 7; ++c)
    for (QPoint offset : {QPoint(0, 0), QPoint(9, 9), QPoint(17, 17)})
      EXPECT_TRUE(LooksFaint(At(c, 2, offset))) << "column " << c;
  // Nothing else changed: the settled blocks, the gaps between squares and the rest of the well.
  const std::vector<QPoint> changed = ChangedBesideThePiece();
  EXPECT_EQ(changed.size(), size_t(4 * BlockSize * BlockSize));
  for (const QPoint &p : changed)
    EXPECT_TRUE(
        QRect(TWell::SquareLeft(4), TWell::SquareTop(2), 4 * SquarePitch, BlockSize).contains(p))
        << p.x() << "," << p.y();
}

TEST_F(GhostPieceTest, ItFollowsThePieceAsItMovesAndTurnsAndLeavesTheFieldAsItWas) {
  Draw();
  Rig.Tap(A::Left);
  Draw();
  Frames(4); // the slide's last frames: now columns 3 to 6, and the tower in column 2 is beside
  ASSERT_EQ(Rig.Block(0).Col, 3);
  EXPECT_TRUE(LooksFaint(At(3, 2)));
  EXPECT_EQ(At(7, 2), Grey); // the square it left has the play field back
  EXPECT_EQ(At(2, 2), SettledColour);

  Rig.Fall();
  Rig.Fall(); // row 16: room to stand upright
  Rig.Tap(A::Turn);
  Draw();
  ASSERT_EQ(Rig.Turn(), 4);
  // Upright in column 4, over the settled block in row 1: rows 2 to 5.
  for (int r = 2; r <= 5; ++r)
    EXPECT_TRUE(LooksFaint(At(4, r))) << "row " << r;
  for (int c : {3, 5, 6})
    EXPECT_EQ(At(c, 2), Grey) << "column " << c;
  const std::vector<QPoint> changed = ChangedBesideThePiece();
  EXPECT_EQ(changed.size(), size_t(4 * BlockSize * BlockSize));
}

TEST_F(GhostPieceTest, ItGoesWhenThePieceLiesInItsPlace) {
  Rig.Tap(A::Drop);
  Draw();
  Frames(4);
  ASSERT_TRUE(Rig.LockDelayRunning());
  ASSERT_TRUE(Rig.Piece.LandingPositions().empty());
  EXPECT_TRUE(ChangedBesideThePiece().empty());
  for (int c = 4; c <= 7; ++c)
    EXPECT_EQ(At(c, 2), PieceColour) << "column " << c; // the piece itself, drawn over it
}

TEST_F(GhostPieceTest, ItShowsAgainOnAPlayFieldDrawnAnew) {
  Draw();
  ASSERT_TRUE(LooksFaint(At(5, 2)));
  View.ShowPlayField();
  ASSERT_EQ(At(5, 2), Grey);
  Draw();
  EXPECT_TRUE(LooksFaint(At(5, 2)));
}

} // namespace
