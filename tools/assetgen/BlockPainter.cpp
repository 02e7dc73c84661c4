#include "tools/assetgen/BlockPainter.h"

#include "tools/assetgen/Painting.h"

#include <algorithm>
#include <cmath>

namespace {

enum class TEdge { Top, Left, Right, Bottom, Face };

// The bevel a pixel lies on. Where two bevels meet on a diagonal, the lit edge wins, which
// gives the mitred corners of a carved block.
TEdge EdgeOf(int x, int y, int size, int bevel) {
  const int top = y, left = x, right = size - 1 - x, bottom = size - 1 - y;
  const int nearest = std::min({top, left, right, bottom});
  if (nearest >= bevel)
    return TEdge::Face;
  if (top == nearest)
    return TEdge::Top;
  if (left == nearest)
    return TEdge::Left;
  if (right == nearest)
    return TEdge::Right;
  return TEdge::Bottom;
}

} // namespace

QImage PaintBlock(int size, QColor face) {
  const int bevel = std::max(2, int(std::lround(size / 6.0)));
  const QColor white(255, 255, 255);
  const QColor black(0, 0, 0);
  // The gloss fades out well before the centre, which stays the face colour.
  const double glossCentre = bevel + 1.0;
  const double glossRadius = size * 0.3;

  QImage block(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool rim = x == 0 || y == 0 || x == size - 1 || y == size - 1;
      QColor c;
      switch (EdgeOf(x, y, size, bevel)) {
      // The bevel edges read as a table, one edge a line.
      // clang-format off
      case TEdge::Top: c = Mix(face, white, rim ? 0.65 : 0.5); break;
      case TEdge::Left: c = Mix(face, white, rim ? 0.45 : 0.3); break;
      case TEdge::Right: c = Mix(face, black, rim ? 0.45 : 0.3); break;
      case TEdge::Bottom: c = Mix(face, black, rim ? 0.6 : 0.45); break;
      // clang-format on
      case TEdge::Face: {
        const double d = std::hypot(x - glossCentre, y - glossCentre) / glossRadius;
        c = d < 1.0 ? Mix(face, white, 0.28 * (1.0 - d)) : face;
        break;
      }
      }
      block.setPixel(x, y, c.rgb());
    }
  }
  return block;
}

void DrawBlocks(QPainter &p, QPointF origin, int size, int gap, QColor colour,
                const QList<QPoint> &cells) {
  const QImage block = PaintBlock(size, colour);
  for (const QPoint &c : cells)
    p.drawImage(origin + QPointF(c.x() * (size + gap), c.y() * (size + gap)), block);
}
