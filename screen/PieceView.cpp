#include "screen/PieceView.h"

#include "media/GameImageList.h"

TPieceView::TPieceView(TPlaySurface &display, const std::array<QImage, 8> &blocks,
                       const QImage &figure, const QImage &small)
    : Display(display), Blocks(blocks), ImageList(&display), SpriteEngine(display),
      PieceBlocks(display), Ghost(display) {
  FillGameImageList(ImageList, figure, small);
}

void TPieceView::SetColour(int colourIndex) {
  Colour = Blocks[size_t(colourIndex)];
  if (TImageListItem *figure = ImageList.Find("Figure")) {
    figure->RebuildSurface();
    figure->SetPicture(Colour);
    figure->RebuildSurface();
  }
}

void TPieceView::Create(const std::array<QPoint, 4> &positions) {
  if (TImageListItem *figure = ImageList.Find("Figure"))
    PieceBlocks.Create(SpriteEngine.Engine(), *figure, positions);
}

void TPieceView::DrawFrame(const std::array<QPoint, 4> &positions, bool pieceActive,
                           const std::vector<QPoint> &landing) {
  PieceBlocks.MoveTo(positions);
  // Under the piece: the piece's blocks are drawn after it whenever it drew.
  Ghost.Show(pieceActive ? landing : std::vector<QPoint>{}, Colour,
             PieceBlocks.PlayFieldBackground);
  SpriteEngine.Move(16);
  SpriteEngine.RemoveDead();
  // Drawing the blocks again where they already stand, over an unchanged surface, would leave
  // every pixel as it is: such a frame draws (and so presents) nothing.
  TPieceFrame frame;
  if (pieceActive)
    frame = {Colour.cacheKey(), PieceBlocks.Positions()};
  if (!Display.Surface().Drawn() && frame == LastPieceFrame)
    return;
  LastPieceFrame = frame;
  SpriteEngine.Draw();
  Display.Surface().ReleaseCanvas();
  if (pieceActive)
    PieceBlocks.DrawSelves();
}
