#include "screen/GhostPiece.h"

#include "media/PlaySurface.h"
#include "rules/Well.h"

#include <QPainter>

#include <algorithm>

namespace {

bool Holds(const std::vector<QPoint> &positions, QPoint p) {
  return std::find(positions.begin(), positions.end(), p) != positions.end();
}

} // namespace

void TGhostPiece::Show(const std::vector<QPoint> &positions, const QImage &block,
                       const QImage &background) {
  const bool sameBlock = block.cacheKey() == Shown.Block;
  TSurface &surface = Display.Surface();
  for (const QPoint &p : Shown.Positions)
    if (!sameBlock || !Holds(positions, p)) {
      const QRect area = QRect(p, QSize(BlockSize, BlockSize)) & surface.Rect();
      surface.Blit(area.topLeft(), background, area);
    }
  for (const QPoint &p : positions) {
    if (sameBlock && Holds(Shown.Positions, p))
      continue;
    QImage faint = background.copy(QRect(p, QSize(BlockSize, BlockSize)));
    {
      QPainter painter(&faint);
      painter.setOpacity(Opacity);
      painter.drawImage(0, 0, block);
    }
    const QRect area = QRect(p, faint.size()) & surface.Rect();
    surface.Blit(area.topLeft(), faint, area.translated(-p));
  }
  Shown = {positions, block.cacheKey()};
}
