#pragma once
// The four block sprites that draw the falling piece on the play surface. They hold no rules:
// each frame they are put where the piece's blocks are, and a block that moves leaves the
// play-field background behind.

#include <QImage>
#include <QPoint>

#include <array>

class TPlaySurface;
class TImageSprite;
class TImageListItem;
class TSprite;

class TPieceSprites {
public:
  explicit TPieceSprites(TPlaySurface &surface) : Display(surface) {}
  ~TPieceSprites() { Free(); }
  TPieceSprites(const TPieceSprites &) = delete;
  TPieceSprites &operator=(const TPieceSprites &) = delete;

  using TPositions = std::array<QPoint, 4>;

  // Four blocks under root, drawn with figure, at positions.
  void Create(TSprite &root, TImageListItem &figure, const TPositions &positions);
  void Free();
  bool Exist() const { return Blocks[0] != nullptr; }
  void MoveTo(const TPositions &positions);
  // Draws the blocks straight onto the play surface.
  void DrawSelves();
  TPositions Positions() const;
  const TImageSprite &Block(int index) const { return *Blocks[size_t(index)]; }

  QImage PlayFieldBackground; // the play surface with no blocks, made with the level screen

private:
  void Erase(const TImageSprite &block);

  TPlaySurface &Display;
  std::array<TImageSprite *, 4> Blocks{};
};
