#pragma once
// The sprite engine component: owns the root of the sprite tree and draws it onto the play
// surface's back buffer while that surface is initialised.

#include "media/DXDraw.h"
#include "media/Sprite.h"

class TDXSpriteEngine final : private TDXDrawClient {
public:
  explicit TDXSpriteEngine(TDXDraw &dxDraw);
  ~TDXSpriteEngine();
  TDXSpriteEngine(const TDXSpriteEngine &) = delete;
  TDXSpriteEngine &operator=(const TDXSpriteEngine &) = delete;

  // The root: the parent of every game sprite.
  TSpriteEngine &Engine() { return Root; }

  void Move(int moveCount) { Root.Move(moveCount); }
  void RemoveDead() { Root.RemoveDead(); }
  // Nothing unless the play surface is initialised.
  void Draw();

private:
  void DXDrawInitialized(TDXDraw &dxDraw) override;
  void DXDrawFinalizing(TDXDraw &dxDraw) override;

  TDXDraw &DXDraw;
  TSpriteEngine Root;
};
