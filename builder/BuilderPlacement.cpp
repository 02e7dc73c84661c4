#include "builder/BuilderPlacement.h"

#include <array>
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

// The builder's frame right of, left of, below and above the main window's.
std::array<QRect, 4> Beside(QSize builder, const QRect &main) {
  const int w = builder.width(), h = builder.height();
  return {QRect(main.right() + 1 + Gap, main.top(), w, h),
          QRect(main.left() - Gap - w, main.top(), w, h),
          QRect(main.left(), main.bottom() + 1 + Gap, w, h),
          QRect(main.left(), main.top() - Gap - h, w, h)};
}

// The screen that shows the main window's centre, else the first.
QRect HomeScreen(const QRect &main, const QList<QRect> &screens) {
  QRect home = screens.isEmpty() ? main : screens.first();
  for (const QRect &s : screens)
    if (s.contains(main.center()))
      home = s;
  return home;
}

// Both windows moved together, as little as they must, to fit on `home`, keeping the builder
// beside the main window; nothing when no side leaves room for both.
std::optional<TBuilderPlacement> MoveBoth(QSize builder, const QRect &main, const QRect &home) {
  std::optional<TBuilderPlacement> best;
  int least = std::numeric_limits<int>::max();
  for (const QRect &side : Beside(builder, main)) {
    const QRect both = side.united(main);
    if (both.width() > home.width() || both.height() > home.height())
      continue;
    const QPoint shift = ClampInto(both, home).topLeft() - both.topLeft();
    if (shift.manhattanLength() < least) {
      least = shift.manhattanLength();
      best = TBuilderPlacement{side.topLeft() + shift, main.topLeft() + shift};
    }
  }
  return best;
}

} // namespace

TBuilderPlacement PlaceBuilder(QSize builderFrame, QRect mainFrame, const QList<QRect> &screens,
                               std::optional<QPoint> last) {
  const auto clear = [&](const QRect &r) {
    return !r.intersects(mainFrame) && (screens.isEmpty() || OnAScreen(r, screens));
  };
  const QPoint mainStays = mainFrame.topLeft();
  if (last && clear(QRect(*last, builderFrame)))
    return {*last, mainStays};
  const std::array<QRect, 4> beside = Beside(builderFrame, mainFrame);
  for (const QRect &r : beside)
    if (clear(r))
      return {r.topLeft(), mainStays};

  const QRect home = HomeScreen(mainFrame, screens);
  if (const auto moved = MoveBoth(builderFrame, mainFrame, home))
    return *moved;

  QRect best = ClampInto(beside[0], home);
  qint64 least = std::numeric_limits<qint64>::max();
  for (const QRect &r : beside) {
    const QRect inside = ClampInto(r, home);
    if (Covered(inside, mainFrame) < least) {
      least = Covered(inside, mainFrame);
      best = inside;
    }
  }
  return {best.topLeft(), mainStays};
}
