#include "tools/assetgen/Painting.h"

#include <QRadialGradient>

#include <cmath>
#include <vector>

QColor Mix(const QColor &a, const QColor &b, double t) {
  auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                lerp(a.alpha(), b.alpha()));
}

namespace {

QLinearGradient WithStops(QLinearGradient g, TColourStops stops) {
  for (const auto &[at, colour] : stops)
    g.setColorAt(at, colour);
  return g;
}

void Displace(std::vector<QPointF> &points, size_t from, size_t to, qreal amount,
              TSceneRandom &random) {
  if (to - from < 2)
    return;
  const size_t mid = (from + to) / 2;
  points[mid].setY((points[from].y() + points[to].y()) / 2 + random.Real(-amount, amount));
  Displace(points, from, mid, amount * 0.55, random);
  Displace(points, mid, to, amount * 0.55, random);
}

} // namespace

QLinearGradient Vertical(qreal top, qreal bottom, TColourStops stops) {
  return WithStops(QLinearGradient(0, top, 0, bottom), stops);
}

QLinearGradient Horizontal(qreal left, qreal right, TColourStops stops) {
  return WithStops(QLinearGradient(left, 0, right, 0), stops);
}

void DrawGlow(QPainter &p, QPointF centre, qreal radius, const QColor &colour) {
  QRadialGradient g(centre, radius);
  QColor clear = colour;
  clear.setAlpha(0);
  g.setColorAt(0, colour);
  g.setColorAt(0.4, Mix(colour, clear, 0.55));
  g.setColorAt(1, clear);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

void DrawStars(QPainter &p, const QRectF &area, int count, qreal maxRadius, TSceneRandom &random) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF at(random.Real(area.left(), area.right()),
                     random.Real(area.top(), area.bottom()));
    const qreal r = maxRadius * std::pow(random.Real(0.15, 1.0), 2.0);
    const int alpha = random.Int(110, 256);
    const QColor tint = random.Chance(0.2) ? QColor(255, 225, 190) : QColor(225, 235, 255);
    if (r > maxRadius * 0.6)
      DrawGlow(p, at, r * 4, QColor(tint.red(), tint.green(), tint.blue(), alpha / 3));
    p.setBrush(QColor(tint.red(), tint.green(), tint.blue(), alpha));
    p.drawEllipse(at, r, r);
  }
  p.restore();
}

void DrawCloud(QPainter &p, QPointF centre, qreal width, const QColor &lit, const QColor &shade,
               TSceneRandom &random) {
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill); // overlapping puffs merge instead of cancelling out
  const int puffs = 7;
  for (int i = 0; i < puffs; ++i) {
    const qreal t = (i + 0.5) / puffs - 0.5;
    // Puffs are biggest in the middle and sit on a flat base line.
    const qreal r = width * (0.16 + 0.12 * (1 - std::abs(t) * 2)) * random.Real(0.8, 1.2);
    const qreal x = centre.x() + t * width * 0.85;
    const qreal y = centre.y() - r * random.Real(0.3, 0.8);
    cloud.addEllipse(QPointF(x, y), r, r * 0.8);
  }
  QPainterPath base;
  base.addRect(QRectF(centre.x() - width, centre.y() + width * 0.04, width * 2, width));
  cloud = cloud.simplified().subtracted(base);
  const QRectF box = cloud.boundingRect();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(
      Vertical(box.top(), box.bottom(), {{0, lit}, {0.55, Mix(lit, shade, 0.4)}, {1, shade}}));
  p.drawPath(cloud);
  p.restore();
}

QPainterPath RidgePath(const QRectF &box, qreal leftY, qreal rightY, qreal roughness, int depth,
                       TSceneRandom &random) {
  const size_t n = (size_t(1) << depth) + 1;
  std::vector<QPointF> points(n);
  for (size_t i = 0; i < n; ++i)
    points[i] = QPointF(box.left() + box.width() * qreal(i) / qreal(n - 1), 0);
  points.front().setY(leftY);
  points.back().setY(rightY);
  Displace(points, 0, n - 1, roughness, random);

  QPainterPath ridge(QPointF(box.left(), box.bottom()));
  for (const QPointF &pt : points)
    ridge.lineTo(pt);
  ridge.lineTo(box.right(), box.bottom());
  ridge.closeSubpath();
  return ridge;
}

QFont PixelFont(const QString &family, int pixelSize, int weight) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Weight(weight));
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath CentredText(const QFont &font, const QString &text, QPointF baselineCentre,
                         qreal spacing) {
  QFont spaced = font;
  spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  QPainterPath path;
  path.addText(0, 0, spaced, text);
  // The advance includes the spacing after the last letter; centre on the ink instead.
  const QRectF ink = path.boundingRect();
  path.translate(baselineCentre.x() - ink.center().x(), baselineCentre.y());
  return path;
}

void DrawLettering(QPainter &p, const QPainterPath &text, const QBrush &fill, const QColor &outline,
                   qreal outlineWidth, QPointF shadowOffset) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (!shadowOffset.isNull()) {
    QColor shadow = outline;
    shadow.setAlpha(outline.alpha() / 2);
    p.setPen(QPen(shadow, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shadow);
    p.drawPath(text.translated(shadowOffset));
  }
  p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(text);
  p.restore();
}
