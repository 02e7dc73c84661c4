#include "media/ImageList.h"

#include "media/MediaError.h"

TDXImageList::TDXImageList(TDXDraw *dxDraw) : Owner(dxDraw) {
  if (Owner)
    Owner->AddClient(this);
}

TDXImageList::~TDXImageList() {
  if (Owner)
    Owner->RemoveClient(this);
}

TPictureCollectionItem &TDXImageList::Items(int index) const {
  if (index < 0 || index >= Count())
    throw TMediaError::ListIndex(index);
  return *List[static_cast<size_t>(index)];
}

TPictureCollectionItem &TDXImageList::Add() {
  return *List.emplace_back(std::make_unique<TPictureCollectionItem>());
}

TPictureCollectionItem *TDXImageList::Find(const QString &name) const {
  for (const auto &item : List) {
    if (item->Name() == name)
      return item.get();
  }
  return nullptr;
}

void TDXImageList::DXDrawInitialized(TDXDraw &) {
  for (const auto &item : List)
    item->RebuildSurface();
}

void TDXImageList::DXDrawFinalizing(TDXDraw &) {
  for (const auto &item : List)
    item->DiscardSurface();
}
