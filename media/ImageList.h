#pragma once
// A list of named pictures bound to a play surface: when the surface is made, every item that
// holds a picture gets its drawing surface built; when it goes, the item surfaces are discarded.
// Items keep their address for the life of the list.

#include "media/ImageListItem.h"
#include "media/PlaySurface.h"

#include <memory>
#include <vector>

class TImageList final : private TPlaySurfaceClient {
public:
  explicit TImageList(TPlaySurface *surface = nullptr);
  ~TImageList();
  TImageList(const TImageList &) = delete;
  TImageList &operator=(const TImageList &) = delete;

  int Count() const { return static_cast<int>(List.size()); }
  // Throws TMediaError "Index of the list exceeds the range. (n)" past the end.
  TImageListItem &Items(int index) const;
  TImageListItem &Add();
  // The first item of that name (exact spelling), or nullptr.
  TImageListItem *Find(const QString &name) const;

private:
  void SurfaceReady(TPlaySurface &surface) override;
  void SurfaceGoing(TPlaySurface &surface) override;

  TPlaySurface *Owner;
  std::vector<std::unique_ptr<TImageListItem>> List;
};
