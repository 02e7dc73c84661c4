#include "builder/BuilderPlacement.h"

#include <limits>

namespace {

constexpr int Gap = 4;

bool OnAScreen(const QRect &r, const QList<QRect> &screens) {
  for (const QRect &s : screens)
    if (s.contains(r))
      return true;
  return false;
}

qint64 Covered(const QRect &a, const QRect &b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

QRect ClampInto(QRect r, const QRect &area) {
  r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  return r;
}

} // namespace

QPoint PlaceBuilder(QSize builderFrame, QRect mainFrame, const QList<QRect> &screens,
                    std::optional<QPoint> last) {
  const auto clear = [&](const QRect &r) {
    return !r.intersects(mainFrame) && (screens.isEmpty() || OnAScreen(r, screens));
  };
  if (last && clear(QRect(*last, builderFrame)))
    return *last;

  const int w = builderFrame.width(), h = builderFrame.height();
  const QRect beside[] = {
      {mainFrame.right() + 1 + Gap, mainFrame.top(), w, h},
      {mainFrame.left() - Gap - w, mainFrame.top(), w, h},
      {mainFrame.left(), mainFrame.bottom() + 1 + Gap, w, h},
      {mainFrame.left(), mainFrame.top() - Gap - h, w, h},
  };
  for (const QRect &r : beside)
    if (clear(r))
      return r.topLeft();

  QRect home = screens.isEmpty() ? mainFrame : screens.first();
  for (const QRect &s : screens)
    if (s.contains(mainFrame.center()))
      home = s;
  QRect best = ClampInto(beside[0], home);
  qint64 least = std::numeric_limits<qint64>::max();
  for (const QRect &r : beside) {
    const QRect inside = ClampInto(r, home);
    if (Covered(inside, mainFrame) < least) {
      least = Covered(inside, mainFrame);
      best = inside;
    }
  }
  return best.topLeft();
}
