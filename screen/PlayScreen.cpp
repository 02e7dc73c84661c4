#include "screen/PlayScreen.h"

#include "media/GameImageList.h"
#include "rules/Landing.h"
#include "rules/PictureCells.h"
#include "rules/Well.h"
#include "screen/CellGrid.h"

#include <QPainter>

#include <utility>

namespace {
// The play surface's place on the window picture.
const QPoint WellOrigin(320, 20);
} // namespace

TPlayScreen::TPlayScreen(QObject &owner, const TScreenPictures &pictures)
    : Display(&owner), ImageList(&Display), SpriteEngine(Display), PieceBlocks(Display),
      Ghost(Display), ShownOver(pictures.Prompt, pictures.PauseBanner) {
  for (int k = 0; k < 8; ++k)
    BlockPictures[size_t(k)] = pictures.Parts.copy((k % 4) * 18, (k / 4) * 18, 18, 18);
  FillGameImageList(ImageList, pictures.Figure, pictures.Small);
}

namespace {

// Parts of the window picture larger than this are shown with all of it: the window system
// takes the whole window straight from the toolkit's image, but a part of it through a copy
// that keeps the size of the largest part ever sent.
constexpr qint64 LargestPart = 600 * 400 / 8;

qint64 PixelCount(const QRegion &region) {
  qint64 count = 0;
  for (const QRect &rect : region)
    count += qint64(rect.width()) * rect.height();
  return count;
}

} // namespace

void TPlayScreen::ShowWindowPicture() {
  ShownPictureKey = PartsKey = Screen.Picture().cacheKey();
  DrawnParts = QRegion();
  if (OnWindowPictureChanged)
    OnWindowPictureChanged(Screen.Picture().rect());
}

void TPlayScreen::ShowIfChanged() {
  const qint64 key = Screen.Picture().cacheKey();
  if (key == ShownPictureKey)
    return;
  if (key != PartsKey || PixelCount(DrawnParts) > LargestPart) {
    ShowWindowPicture();
    return;
  }
  const QRegion parts = std::exchange(DrawnParts, QRegion());
  ShownPictureKey = key;
  // Empty when everything was drawn over with what it already showed.
  if (!parts.isEmpty() && OnWindowPictureChanged)
    OnWindowPictureChanged(parts);
}

void TPlayScreen::DrawScore(int score) {
  DrawPart([&] { return QRegion(Screen.DrawScore(QString::number(score))); });
}

void TPlayScreen::DrawLevelEnd(const QImage &backdrop) {
  HidePlayField();
  Screen.DrawLevelEnd(backdrop, LevelPicture);
  ShowWindowPicture();
}

void TPlayScreen::ComposeLevel(const QImage &playingSkin, const TGameData &game, int level,
                               const TPictureCells &cells) {
  Screen.ComposeBackground(playingSkin, game.PlayingSkin.Stretch);
  PieceBlocks.PlayFieldBackground = Screen.PlayFieldBackground();
  ShowWindowPicture();
  DrawHiddenCells(Screen.Picture(), cells);
  Screen.DrawPanelFrames(game);
  Screen.DrawLevelCounter(level, game.LevelCount());
  Screen.DrawScoreColumn(game.Scores);
}

void TPlayScreen::ShowPlayField() {
  Display.Surface().Canvas().drawImage(0, 0, Screen.PlayFieldBackground());
  Display.Surface().ReleaseCanvas();
  Ghost.Forget();
  Display.SetLeft(WellOrigin.x());
}

void TPlayScreen::ShowPlayFieldFromWindow() {
  Display.Surface().Canvas().drawImage(QPoint(0, 0), Screen.Picture(),
                                       QRect(WellOrigin, QSize(198, 360)));
  Display.Surface().ReleaseCanvas();
  Ghost.Forget(); // the well copy has none: the next frame draws it again
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
  DrawPart([&] { return QRegion(Screen.DrawNextPiece(type, BlockPictures[size_t(colourIndex)])); });
}

void TPlayScreen::DrawCellGrid(const TPictureCells &cells) {
  DrawPart([&] { return ::DrawCellGrid(Screen.Picture(), cells); });
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

void TPlayScreen::DrawFrame(const std::array<QPoint, 4> &positions, bool pieceActive,
                            const std::vector<QPoint> &landing) {
  PieceBlocks.MoveTo(positions);
  // Under the piece: the piece's blocks are drawn after it whenever it drew.
  Ghost.Show(pieceActive ? landing : std::vector<QPoint>{}, CurrentBlockPicture,
             Screen.PlayFieldBackground());
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
    DrawPart([&] {
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
  DrawPart([&] {
    QPainter(&Screen.Picture()).drawImage(WellOrigin + area.topLeft(), picture);
    return QRegion(area.translated(WellOrigin));
  });
  Display.Surface().Blit(area.topLeft(), picture, picture.rect());
}
