#include "screen/PieceSprites.h"

#include "media/ImageSprite.h"
#include "media/PlaySurface.h"

#include <cmath>

void TPieceSprites::Create(TSprite &root, TImageListItem &figure, const TPositions &positions) {
  Free();
  figure.RebuildSurface();
  for (size_t b = 0; b < Blocks.size(); ++b) {
    auto *block = new TImageSprite(&root);
    block->SetImage(&figure);
    block->SetWidth(figure.Width());
    block->SetHeight(figure.Height());
    block->SetZ(2);
    block->SetX(positions[b].x());
    block->SetY(positions[b].y());
    Blocks[b] = block;
  }
}

void TPieceSprites::Free() {
  for (TImageSprite *&block : Blocks) {
    if (!block)
      continue;
    block->MarkDead();
    delete block;
    block = nullptr;
  }
}

TPieceSprites::TPositions TPieceSprites::Positions() const {
  TPositions positions{};
  for (size_t b = 0; b < Blocks.size(); ++b)
    if (Blocks[b])
      positions[b] = Blocks[b]->BoundsRect().topLeft();
  return positions;
}

void TPieceSprites::MoveTo(const TPositions &positions) {
  if (!Exist())
    return;
  for (size_t b = 0; b < Blocks.size(); ++b) {
    TImageSprite &block = *Blocks[b];
    if (QPointF(block.X(), block.Y()) == QPointF(positions[b]))
      continue;
    Erase(block);
    block.SetX(positions[b].x());
    block.SetY(positions[b].y());
  }
}

void TPieceSprites::DrawSelves() {
  for (TImageSprite *block : Blocks)
    if (block)
      block->DrawSelf();
}

void TPieceSprites::Erase(const TImageSprite &block) {
  const int x = static_cast<int>(std::trunc(block.X()));
  const int y = static_cast<int>(std::trunc(block.Y()));
  TSurface &surface = Display.Surface();
  const QRect area = QRect(x, y, block.Width(), block.Height()) & surface.Rect();
  surface.Blit(area.topLeft(), PlayFieldBackground, area);
}
