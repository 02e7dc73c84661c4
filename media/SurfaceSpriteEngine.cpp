#include "media/SurfaceSpriteEngine.h"

TSurfaceSpriteEngine::TSurfaceSpriteEngine(TPlaySurface &surface) : Display(surface) {
  Display.AddClient(this);
}

TSurfaceSpriteEngine::~TSurfaceSpriteEngine() { Display.RemoveClient(this); }

void TSurfaceSpriteEngine::Draw() {
  if (Display.Initialized())
    Root.Draw();
}

void TSurfaceSpriteEngine::SurfaceReady(TPlaySurface &surface) {
  Root.SetSurface(&surface.Surface());
}

void TSurfaceSpriteEngine::SurfaceGoing(TPlaySurface &) { Root.SetSurface(nullptr); }
