#pragma once
#include "media/Sprite.h"

#include <QRect>

#include <vector>

class TSurface;

// The root of a sprite tree: counts its sprites, keeps the dead list and draws onto a target
// surface.
class TSpriteEngine : public TSprite {
public:
  TSpriteEngine();
  ~TSpriteEngine() override;

  // Sprites in the tree, the root not counted.
  int AllCount() const { return SpriteCount; }
  // Sprites whose DrawSelf ran in the last Draw, the root included.
  int DrawCount() const { return Drawn; }

  TSurface *Surface() const { return Target; }
  // The root takes the surface's size; nullptr drops the target.
  void SetSurface(TSurface *surface);

  // Nothing without a target surface.
  void Draw();
  // Deletes the dead sprites, the last marked first.
  void RemoveDead();

private:
  friend class TSprite;

  int SpriteCount = 0;
  int Drawn = 0;
  std::vector<TSprite *> DeadList;
  TSurface *Target = nullptr;
  QRect TargetRect;
};
