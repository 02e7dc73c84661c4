#include "media/Surface.h"

#include "media/MediaError.h"

#include <cstring>

TSurface::~TSurface() { ReleaseCanvas(); }

bool TSurface::Make(int width, int height, QColor fill) {
  Release();
  if (width <= 0 || height <= 0)
    return false;
  Pixels = QImage(width, height, QImage::Format_RGB32);
  if (Pixels.isNull())
    return false;
  Pixels.fill(fill);
  DrawnArea = Pixels.rect(); // the fill is new content nobody has seen
  return true;
}

void TSurface::Release() {
  ReleaseCanvas();
  Pixels = QImage();
  DrawnArea = QRect();
}

QPainter &TSurface::Canvas() {
  if (!Held) {
    if (!IsMade())
      throw TMediaError(QStringLiteral("The drawing surface is not initialized"));
    Held = std::make_unique<QPainter>(&Pixels);
  }
  DrawnArea = Pixels.rect();
  return *Held;
}

void TSurface::ReleaseCanvas() { Held.reset(); }

void TSurface::Blit(QPoint at, const QImage &picture, const QRect &from) {
  if (Held) {
    // Only one painter may work on a picture at a time: copy through the held one, with the
    // canvas user's transform, clip, opacity and mode set aside.
    Held->save();
    Held->resetTransform();
    Held->setClipping(false);
    Held->setOpacity(1.0);
    Held->setCompositionMode(QPainter::CompositionMode_SourceOver);
    Held->drawImage(at, picture, from);
    Held->restore();
  } else if (picture.format() == QImage::Format_RGB32 && Pixels.format() == picture.format()) {
    CopyRows(at, picture, from);
  } else {
    QPainter painter(&Pixels);
    painter.drawImage(at, picture, from);
  }
  DrawnArea |= QRect(at, from.size()) & Pixels.rect();
}

// An opaque picture of the surface's own format over it is a copy of rows: what a painter
// would do too, without setting one up for every block of every frame.
void TSurface::CopyRows(QPoint at, const QImage &picture, const QRect &from) {
  const QPoint shift = at - from.topLeft();
  const QRect target = (from & picture.rect()).translated(shift) & Pixels.rect();
  if (target.isEmpty())
    return;
  const QPoint origin = target.topLeft() - shift; // in the picture
  const qsizetype bytesPerPixel = picture.depth() / 8;
  for (int y = 0; y < target.height(); ++y)
    std::memcpy(Pixels.scanLine(target.y() + y) + target.x() * bytesPerPixel,
                picture.constScanLine(origin.y() + y) + origin.x() * bytesPerPixel,
                size_t(target.width()) * size_t(bytesPerPixel));
}
