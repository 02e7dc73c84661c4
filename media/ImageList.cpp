#include "media/ImageList.h"

#include "media/MediaError.h"

TImageList::TImageList(TPlaySurface *surface) : Owner(surface) {
  if (Owner)
    Owner->AddClient(this);
}

TImageList::~TImageList() {
  if (Owner)
    Owner->RemoveClient(this);
}

TImageListItem &TImageList::Items(int index) const {
  if (index < 0 || index >= Count())
    throw TMediaError::ListIndex(index);
  return *List[static_cast<size_t>(index)];
}

TImageListItem &TImageList::Add() { return *List.emplace_back(std::make_unique<TImageListItem>()); }

TImageListItem *TImageList::Find(const QString &name) const {
  for (const auto &item : List) {
    if (item->Name() == name)
      return item.get();
  }
  return nullptr;
}

void TImageList::SurfaceReady(TPlaySurface &) {
  for (const auto &item : List)
    item->RebuildSurface();
}

void TImageList::SurfaceGoing(TPlaySurface &) {
  for (const auto &item : List)
    item->DiscardSurface();
}
