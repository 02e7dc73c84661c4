#include "screen/PlayScreen.h"

#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "rules/Well.h"
#include "screen/CellGrid.h"

#include <QPainter>

namespace {
// The play surface's place on the window picture.
const QPoint WellOrigin(320, 20);
} // namespace

namespace {

std::array<QImage, 8> BlockPicturesOf(const QImage &parts) {
  std::array<QImage, 8> blocks;
  for (int k = 0; k < 8; ++k)
    blocks[size_t(k)] = parts.copy((k % 4) * 18, (k / 4) * 18, 18, 18);
  return blocks;
}

} // namespace

TPlayScreen::TPlayScreen(QObject &owner, const TScreenPictures &pictures)
    : Display(&owner), BlockPictures(BlockPicturesOf(pictures.Parts)),
      FallingPiece(Display, BlockPictures, pictures.Figure, pictures.Small),
      ShownOver(pictures.Prompt, pictures.PauseBanner) {}

void TPlayScreen::DrawScore(int score) {
  ShownPicture.DrawPart([&] { return QRegion(Screen.DrawScore(QString::number(score))); });
}

void TPlayScreen::DrawLevelEnd(const QImage &backdrop) {
  HidePlayField();
  Screen.DrawLevelEnd(backdrop, LevelPicture);
  ShownPicture.ShowAll();
}

void TPlayScreen::ComposeLevel(const QImage &playingSkin, const TGameData &game, int level,
                               const TPictureCells &cells) {
  Screen.ComposeBackground(playingSkin, game.PlayingSkin.Stretch);
  FallingPiece.SetBackground(Screen.PlayFieldBackground());
  ShownPicture.ShowAll();
  DrawHiddenCells(Screen.Picture(), cells);
  Screen.DrawPanelFrames(game);
  Screen.DrawLevelCounter(level, game.LevelCount());
  Screen.DrawScoreColumn(game.Scores);
}

void TPlayScreen::ShowPlayField() {
  Display.Surface().Canvas().drawImage(0, 0, Screen.PlayFieldBackground());
  Display.Surface().ReleaseCanvas();
  FallingPiece.ForgetLanding();
  Display.SetLeft(WellOrigin.x());
}

void TPlayScreen::ShowPlayFieldFromWindow() {
  Display.Surface().Canvas().drawImage(QPoint(0, 0), Screen.Picture(),
                                       QRect(WellOrigin, QSize(198, 360)));
  Display.Surface().ReleaseCanvas();
  FallingPiece.ForgetLanding(); // the well copy has none: the next frame draws it again
  Display.SetLeft(WellOrigin.x());
}

void TPlayScreen::PaintWellCopy(const TWell &well, const std::array<QPoint, 4> *piece) {
  QPainter p(&Screen.Picture());
  p.drawImage(WellOrigin, Screen.PlayFieldBackground());
  for (int r = 1; r < WellRows; ++r)
    for (int c = 1; c <= WellColumns; ++c) {
      const TWellSquare &s = well.Square(c, r);
      if (s.Occupied)
        p.drawImage(WellOrigin + QPoint(TWell::SquareLeft(c), TWell::SquareTop(r)),
                    BlockPictures[size_t(s.ColourIndex)]);
    }
  if (piece)
    for (const QPoint &b : *piece)
      p.drawImage(b + WellOrigin, FallingPiece.BlockPicture());
}

void TPlayScreen::DrawNextPiece(int type, int colourIndex) {
  ShownPicture.DrawPart(
      [&] { return QRegion(Screen.DrawNextPiece(type, BlockPictures[size_t(colourIndex)])); });
}

void TPlayScreen::DrawCellGrid(const TPictureCells &cells) {
  ShownPicture.DrawPart([&] { return ::DrawCellGrid(Screen.Picture(), cells); });
}

void TPlayScreen::ShowLanding(const TLanding &landing, const TWell &well,
                              const TPictureCells &cells) {
  for (const QPoint &cell : landing.UncoveredCells)
    ShownPicture.DrawPart([&] {
      return PaintUncoveredCell(Screen.Picture(), cells, LevelPicture, cell.x(), cell.y());
    });
  if (landing.RowsRemoved > 0) {
    // Row 18 is repainted too, so that nothing of an emptied top square stays on screen.
    for (int r = landing.LowestRemovedRow; r <= WellRows; ++r)
      for (int c = 1; c <= WellColumns; ++c)
        RepaintSquare(well, c, r);
  }
}

void TPlayScreen::RepaintSquare(const TWell &well, int col, int row) {
  const TWellSquare &square = well.Square(col, row);
  const QRect area(TWell::SquareLeft(col), TWell::SquareTop(row), BlockSize, BlockSize);
  const QImage picture = square.Occupied ? BlockPictures[size_t(square.ColourIndex)]
                                         : Screen.PlayFieldBackground().copy(area);
  ShownPicture.DrawPart([&] {
    QPainter(&Screen.Picture()).drawImage(WellOrigin + area.topLeft(), picture);
    return QRegion(area.translated(WellOrigin));
  });
  Display.Surface().Blit(area.topLeft(), picture, picture.rect());
}
