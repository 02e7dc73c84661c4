#pragma once
// A list of named pictures bound to a play surface: when the surface is made, every item that
// holds a picture gets its drawing surface built; when it goes, the item surfaces are discarded.
// Items keep their address for the life of the list.

#include "media/DXDraw.h"
#include "media/PictureCollectionItem.h"

#include <memory>
#include <vector>

class TDXImageList final : private TDXDrawClient {
public:
  explicit TDXImageList(TDXDraw *dxDraw = nullptr);
  ~TDXImageList();
  TDXImageList(const TDXImageList &) = delete;
  TDXImageList &operator=(const TDXImageList &) = delete;

  int Count() const { return static_cast<int>(List.size()); }
  // Throws TMediaError "Index of the list exceeds the range. (n)" past the end.
  TPictureCollectionItem &Items(int index) const;
  TPictureCollectionItem &Add();
  // The first item of that name (exact spelling), or nullptr.
  TPictureCollectionItem *Find(const QString &name) const;

private:
  void DXDrawInitialized(TDXDraw &dxDraw) override;
  void DXDrawFinalizing(TDXDraw &dxDraw) override;

  TDXDraw *Owner;
  std::vector<std::unique_ptr<TPictureCollectionItem>> List;
};
