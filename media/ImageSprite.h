#pragma once
// A sprite that draws pattern 0 of a picture item, centred in its Width x Height, onto the
// engine's target surface, with the item's transparency.

#include "media/ImageListItem.h"
#include "media/Sprite.h"

class TImageSprite : public TSprite {
public:
  explicit TImageSprite(TSprite *parent) : TSprite(parent) {}

  TImageListItem *Image() const { return Picture; }
  void SetImage(TImageListItem *image) { Picture = image; }

  void DrawSelf() override;

private:
  TImageListItem *Picture = nullptr;
};
