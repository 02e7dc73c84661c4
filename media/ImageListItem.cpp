#include "media/ImageListItem.h"

#include "media/Surface.h"

void TImageListItem::DiscardSurface() {
  Prepared = QImage();
  Patterns = 0;
}

void TImageListItem::RebuildSurface() {
  DiscardSurface();
  if (Source.isNull())
    return;
  // Surfaces are opaque: whatever alpha the picture had is dropped, as a colour-keyed copy
  // knows only "key colour or not".
  Prepared = Source.convertToFormat(QImage::Format_RGB32);
  if (Prepared.isNull())
    return;
  if (IsTransparent) {
    // Opaque RGB32 pixels are already valid premultiplied ARGB pixels.
    Prepared.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = KeyColor & RGB_MASK;
    for (int y = 0; y < Prepared.height(); ++y) {
      auto *line = reinterpret_cast<QRgb *>(Prepared.scanLine(y));
      for (int x = 0; x < Prepared.width(); ++x) {
        if ((line[x] & RGB_MASK) == key)
          line[x] = 0;
      }
    }
  }
  PatternSize = QSize(Width(), Height());
  Patterns = (Prepared.width() / PatternSize.width()) * (Prepared.height() / PatternSize.height());
}

QRect TImageListItem::PatternRect(int pattern) const {
  const int across = Prepared.width() / PatternSize.width();
  return QRect(
      QPoint((pattern % across) * PatternSize.width(), (pattern / across) * PatternSize.height()),
      PatternSize);
}

void TImageListItem::Draw(TSurface &dest, int x, int y, int pattern) const {
  if (pattern < 0 || pattern >= Patterns)
    return;
  if (x > dest.Width() || y > dest.Height())
    return;
  const QRect from = PatternRect(pattern);
  // The part of the pattern that lands on the destination.
  const QRect onDest = QRect(QPoint(x, y), from.size()) & dest.Rect();
  if (onDest.isEmpty())
    return;
  dest.Blit(onDest.topLeft(), Prepared, onDest.translated(from.topLeft() - QPoint(x, y)));
}
