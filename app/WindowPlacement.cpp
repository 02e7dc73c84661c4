#include "app/WindowPlacement.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Stored positions are any int; 64-bit sums keep the far-off ones from overflowing.
struct TBox {
  qint64 Left, Top, Width, Height;
  qint64 Right() const { return Left + Width; }
  qint64 Bottom() const { return Top + Height; }
};

TBox Box(const QRect &r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool Inside(const TBox &inner, const TBox &outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

// Squared distance from the window's centre to the nearest point of the screen; in double,
// since two far-off coordinates squared would overflow 64 bits.
double Distance(const TBox &window, const TBox &screen) {
  const qint64 cx = window.Left + window.Width / 2, cy = window.Top + window.Height / 2;
  const qint64 dx = std::max({screen.Left - cx, qint64(0), cx - screen.Right()});
  const qint64 dy = std::max({screen.Top - cy, qint64(0), cy - screen.Bottom()});
  return double(dx) * double(dx) + double(dy) * double(dy);
}

qint64 Fit(qint64 start, qint64 length, qint64 areaStart, qint64 areaLength) {
  if (length >= areaLength)
    return areaStart;
  return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint KeepOnScreen(QPoint clientTopLeft, QSize size, const QList<QRect> &screens, QMargins frame) {
  if (screens.isEmpty())
    return clientTopLeft;
  const TBox window{qint64(clientTopLeft.x()) - frame.left(),
                    qint64(clientTopLeft.y()) - frame.top(),
                    qint64(size.width()) + frame.left() + frame.right(),
                    qint64(size.height()) + frame.top() + frame.bottom()};
  const TBox *nearest = nullptr;
  double nearestDistance = std::numeric_limits<double>::infinity();
  std::vector<TBox> boxes;
  boxes.reserve(size_t(screens.size()));
  for (const QRect &s : screens)
    boxes.push_back(Box(s));
  for (const TBox &screen : boxes) {
    if (Inside(window, screen))
      return clientTopLeft;
    const double d = Distance(window, screen);
    if (d < nearestDistance) {
      nearestDistance = d;
      nearest = &screen;
    }
  }
  const qint64 left = Fit(window.Left, window.Width, nearest->Left, nearest->Width);
  const qint64 top = Fit(window.Top, window.Height, nearest->Top, nearest->Height);
  return QPoint(int(left + frame.left()), int(top + frame.top()));
}
