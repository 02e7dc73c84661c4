#pragma once
// The sprite engine component: owns the root of the sprite tree and draws it onto the play
// surface's back buffer while that surface is initialised.

#include "media/PlaySurface.h"
#include "media/SpriteEngine.h"

class TSurfaceSpriteEngine final : private TPlaySurfaceClient {
public:
  explicit TSurfaceSpriteEngine(TPlaySurface &surface);
  ~TSurfaceSpriteEngine();
  TSurfaceSpriteEngine(const TSurfaceSpriteEngine &) = delete;
  TSurfaceSpriteEngine &operator=(const TSurfaceSpriteEngine &) = delete;

  // The root: the parent of every game sprite.
  TSpriteEngine &Engine() { return Root; }

  void Move(int moveCount) { Root.Move(moveCount); }
  void RemoveDead() { Root.RemoveDead(); }
  // Nothing unless the play surface is initialised.
  void Draw();

private:
  void SurfaceReady(TPlaySurface &surface) override;
  void SurfaceGoing(TPlaySurface &surface) override;

  TPlaySurface &Display;
  TSpriteEngine Root;
};
