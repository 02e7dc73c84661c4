#include "screen/PlayScreen.h"

#include "media/GameImageList.h"
#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "rules/Well.h"
#include "screen/CellGrid.h"

#include <QPainter>

namespace {
// The play surface's place on the window picture.
const QPoint WellOrigin(320, 20);
} // namespace

TPlayScreen::TPlayScreen(QObject &owner, const TScreenPictures &pictures)
    : Display(&owner), ImageList(&Display), SpriteEngine(Display), PieceBlocks(Display),
      ShownOver(pictures.Prompt, pictures.PauseBanner) {
  for (int k = 0; k < 8; ++k)
    BlockPictures[size_t(k)] = pictures.Parts.copy((k % 4) * 18, (k / 4) * 18, 18, 18);
  FillGameImageList(ImageList, pictures.Figure, pictures.Small);
}

void TPlayScreen::ShowWindowPicture() {
  ShownPictureKey = Screen.Picture().cacheKey();
  if (OnWindowPictureChanged)
    OnWindowPictureChanged();
}

void TPlayScreen::ShowIfChanged() {
  if (Screen.Picture().cacheKey() != ShownPictureKey)
    ShowWindowPicture();
}

void TPlayScreen::DrawLevelEnd(const QImage &backdrop) {
  HidePlayField();
  Screen.DrawLevelEnd(backdrop, LevelPicture);
  ShowWindowPicture();
}

void TPlayScreen::ComposeLevel(const QImage &playingSkin, const TGameData &game,
                               const TPictureCells &cells) {
  Screen.ComposeBackground(playingSkin, game.PlayingSkin.Stretch);
  PieceBlocks.PlayFieldBackground = Screen.PlayFieldBackground();
  ShowWindowPicture();
  DrawHiddenCells(Screen.Picture(), cells);
  Screen.DrawPanelFrames(game);
  Screen.DrawLevelCounter(game.CurrentLevel, game.LevelCount());
  Screen.DrawScoreColumn(game.Scores);
}

void TPlayScreen::ShowPlayField() {
  Display.Surface().Canvas().drawImage(0, 0, Screen.PlayFieldBackground());
  Display.Surface().ReleaseCanvas();
  Display.SetLeft(WellOrigin.x());
}

void TPlayScreen::ShowPlayFieldFromWindow() {
  Display.Surface().Canvas().drawImage(QPoint(0, 0), Screen.Picture(),
                                       QRect(WellOrigin, QSize(198, 360)));
  Display.Surface().ReleaseCanvas();
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
      p.drawImage(b + WellOrigin, CurrentBlockPicture);
}

void TPlayScreen::DrawNextPiece(int type, int colourIndex) {
  Screen.DrawNextPiece(type, BlockPictures[size_t(colourIndex)]);
}

void TPlayScreen::DrawCellGrid(const TPictureCells &cells) {
  ::DrawCellGrid(Screen.Picture(), cells);
}

void TPlayScreen::SetPieceColour(int colourIndex) {
  CurrentBlockPicture = BlockPictures[size_t(colourIndex)];
  if (TImageListItem *figure = ImageList.Find("Figure")) {
    figure->RebuildSurface();
    figure->SetPicture(CurrentBlockPicture);
    figure->RebuildSurface();
  }
}

void TPlayScreen::CreatePiece(const std::array<QPoint, 4> &positions) {
  if (TImageListItem *figure = ImageList.Find("Figure"))
    PieceBlocks.Create(SpriteEngine.Engine(), *figure, positions);
}

void TPlayScreen::DrawFrame(const std::array<QPoint, 4> &positions, bool pieceActive) {
  PieceBlocks.MoveTo(positions);
  SpriteEngine.Move(16);
  SpriteEngine.RemoveDead();
  // Drawing the blocks again where they already stand, over an unchanged surface, would leave
  // every pixel as it is: such a frame draws (and so presents) nothing.
  TPieceFrame frame;
  if (pieceActive)
    frame = {CurrentBlockPicture.cacheKey(), PieceBlocks.Positions()};
  if (!Display.Surface().Drawn() && frame == LastPieceFrame)
    return;
  LastPieceFrame = frame;
  SpriteEngine.Draw();
  Display.Surface().ReleaseCanvas();
  if (pieceActive)
    PieceBlocks.DrawSelves();
}

void TPlayScreen::ShowLanding(const TLanding &landing, const TWell &well,
                              const TPictureCells &cells) {
  for (const QPoint &cell : landing.UncoveredCells)
    PaintUncoveredCell(Screen.Picture(), cells, LevelPicture, cell.x(), cell.y());
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
  QPainter window(&Screen.Picture());
  window.drawImage(WellOrigin + area.topLeft(), picture);
  Display.Surface().Blit(area.topLeft(), picture, picture.rect());
}
