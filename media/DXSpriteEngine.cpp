#include "media/DXSpriteEngine.h"

TDXSpriteEngine::TDXSpriteEngine(TDXDraw &dxDraw) : DXDraw(dxDraw) { DXDraw.AddClient(this); }

TDXSpriteEngine::~TDXSpriteEngine() { DXDraw.RemoveClient(this); }

void TDXSpriteEngine::Draw() {
  if (DXDraw.Initialized())
    Root.Draw();
}

void TDXSpriteEngine::DXDrawInitialized(TDXDraw &dxDraw) { Root.SetSurface(&dxDraw.Surface()); }

void TDXSpriteEngine::DXDrawFinalizing(TDXDraw &) { Root.SetSurface(nullptr); }
