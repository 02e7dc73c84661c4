#include "screen/ShownPicture.h"

#include <utility>

namespace {

// Parts of the window picture larger than this are shown with all of it: the window system
// takes the whole window straight from the toolkit's image, but a part of it through a copy
// that keeps the size of the largest part ever sent.
constexpr qint64 LargestPart = 600 * 400 / 8;

qint64 PixelCount(const QRegion &region) {
  qint64 count = 0;
  for (const QRect &rect : region)
    count += qint64(rect.width()) * rect.height();
  return count;
}

} // namespace

void TShownPicture::ShowAll() {
  ShownKey = PartsKey = Picture.cacheKey();
  DrawnParts = QRegion();
  if (OnChanged)
    OnChanged(Picture.rect());
}

void TShownPicture::ShowIfChanged() {
  const qint64 key = Picture.cacheKey();
  if (key == ShownKey)
    return;
  if (key != PartsKey || PixelCount(DrawnParts) > LargestPart) {
    ShowAll();
    return;
  }
  const QRegion parts = std::exchange(DrawnParts, QRegion());
  ShownKey = key;
  // Empty when everything was drawn over with what it already showed.
  if (!parts.isEmpty() && OnChanged)
    OnChanged(parts);
}
