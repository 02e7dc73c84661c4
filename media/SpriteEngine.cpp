#include "media/SpriteEngine.h"

#include "media/Surface.h"

TSpriteEngine::TSpriteEngine() : TSprite(nullptr) {}

TSpriteEngine::~TSpriteEngine() {
  // The children reach back into the dead list and the count, which go before ~TSprite runs.
  DeleteChildren();
}

void TSpriteEngine::SetSurface(TSurface *surface) {
  Target = surface;
  TargetRect = surface ? surface->Rect() : QRect();
  if (surface) {
    SetWidth(surface->Width());
    SetHeight(surface->Height());
  }
}

void TSpriteEngine::Draw() {
  if (!Target)
    return;
  Drawn = 0;
  DrawTree(*this);
}

void TSpriteEngine::RemoveDead() {
  while (!DeadList.empty())
    delete DeadList.back(); // unlinks itself, and any dead children with it
}
