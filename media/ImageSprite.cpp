#include "media/ImageSprite.h"

#include "media/SpriteEngine.h"
#include "media/Surface.h"

void TImageSprite::DrawSelf() {
  TSpriteEngine *engine = Engine();
  if (!Picture || !engine || !engine->Surface())
    return;
  const QRect bounds = BoundsRect();
  // Integer division truncates toward zero, as the centring offset must.
  const int x = bounds.left() + (Width() - Picture->Width()) / 2;
  const int y = bounds.top() + (Height() - Picture->Height()) / 2;
  Picture->Draw(*engine->Surface(), x, y, 0);
}
