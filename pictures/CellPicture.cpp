#include "pictures/CellPicture.h"

#include "rules/PictureGeometry.h"

QImage CellPicture(const QImage &decoded, const TPictureGeometry &geometry) {
  const QSize shown(geometry.Width, geometry.Height);
  const QImage sized = decoded.size() == shown
                           ? decoded
                           : decoded.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return sized.convertToFormat(QImage::Format_RGB32);
}
