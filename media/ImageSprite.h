#pragma once
// A sprite that draws pattern 0 of a picture item, centred in its Width x Height, onto the
// engine's target surface, with the item's transparency.

#include "media/PictureCollectionItem.h"
#include "media/Sprite.h"

class TImageSprite : public TSprite {
public:
  explicit TImageSprite(TSprite *parent) : TSprite(parent) {}

  TPictureCollectionItem *Image() const { return Picture; }
  void SetImage(TPictureCollectionItem *image) { Picture = image; }

  void DrawSelf() override;

private:
  TPictureCollectionItem *Picture = nullptr;
};
