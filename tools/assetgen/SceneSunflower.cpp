// A sunflower close-up against a summer sky, with blurred flowers behind and a bee on a petal.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr qreal Design = 480;                      // design units across
constexpr qreal GoldenAngle = 2.39996322972865332; // radians

// A petal pointing up from the origin: narrow at the base, widest past the middle, pointed.
QPainterPath Petal(qreal length, qreal width) {
  QPainterPath petal(QPointF(0, 0));
  petal.cubicTo(QPointF(width * 0.9, -length * 0.2), QPointF(width * 0.7, -length * 0.8),
                QPointF(0, -length));
  petal.cubicTo(QPointF(-width * 0.7, -length * 0.8), QPointF(-width * 0.9, -length * 0.2),
                QPointF(0, 0));
  return petal;
}

void DrawPetalRing(QPainter &p, QPointF centre, qreal inner, qreal length, int count, qreal turn,
                   const QColor &base, const QColor &tip, TSceneRandom &random) {
  for (int i = 0; i < count; ++i) {
    const qreal angle = turn + 360.0 * i / count + random.Real(-3, 3);
    const qreal len = length * random.Real(0.88, 1.08);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.translate(0, -inner);
    QLinearGradient g(0, 0, 0, -len);
    g.setColorAt(0, base);
    g.setColorAt(0.6, tip);
    g.setColorAt(1, Mix(tip, QColor(255, 255, 220), 0.25));
    p.setBrush(g);
    p.setPen(QPen(Mix(base, QColor(120, 60, 0), 0.5), 0.8));
    p.drawPath(Petal(len, len * 0.28));
    // The crease along the middle of the petal.
    p.setPen(QPen(QColor(200, 120, 0, 110), 1.0));
    p.drawLine(QPointF(0, -len * 0.1), QPointF(0, -len * 0.8));
    p.restore();
  }
}

// The seed head: florets on a sunflower spiral, darker towards the middle.
void DrawSeedHead(QPainter &p, QPointF centre, qreal radius) {
  QRadialGradient disk(centre, radius);
  disk.setColorAt(0, QColor(60, 34, 10));
  disk.setColorAt(0.8, QColor(96, 56, 18));
  disk.setColorAt(1, QColor(140, 90, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(disk);
  p.drawEllipse(centre, radius, radius);

  const int florets = 720;
  for (int i = 1; i < florets; ++i) {
    const qreal r = radius * 0.97 * std::sqrt(qreal(i) / florets);
    const qreal a = i * GoldenAngle;
    const QPointF at = centre + QPointF(r * std::cos(a), r * std::sin(a));
    const qreal size = 1.2 + 1.6 * r / radius;
    const qreal t = r / radius;
    const QColor seed = t > 0.82 ? Mix(QColor(200, 130, 20), QColor(240, 190, 40), (t - 0.82) * 5)
                                 : Mix(QColor(40, 22, 8), QColor(110, 66, 20), t);
    p.setBrush(seed);
    p.drawEllipse(at, size, size);
    // A glint on the upper left of each seed.
    p.setBrush(QColor(255, 230, 170, 60));
    p.drawEllipse(at - QPointF(size * 0.35, size * 0.35), size * 0.4, size * 0.4);
  }
  // Light from the upper left over the whole head.
  QRadialGradient sheen(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.2);
  sheen.setColorAt(0, QColor(255, 220, 150, 50));
  sheen.setColorAt(1, QColor(0, 0, 0, 70));
  p.setBrush(sheen);
  p.drawEllipse(centre, radius, radius);
}

QPainterPath Leaf(qreal length, qreal width) {
  QPainterPath leaf(QPointF(0, 0));
  leaf.cubicTo(QPointF(length * 0.3, -width), QPointF(length * 0.8, -width * 0.6),
               QPointF(length, 0));
  leaf.cubicTo(QPointF(length * 0.8, width * 0.5), QPointF(length * 0.3, width * 0.8),
               QPointF(0, 0));
  return leaf;
}

void DrawLeaf(QPainter &p, QPointF base, qreal angle, qreal length) {
  p.save();
  p.translate(base);
  p.rotate(angle);
  p.setPen(QPen(QColor(30, 70, 20), 1));
  p.setBrush(
      Vertical(-length * 0.3, length * 0.3, {{0, QColor(110, 170, 50)}, {1, QColor(40, 100, 30)}}));
  p.drawPath(Leaf(length, length * 0.38));
  p.setPen(QPen(QColor(170, 210, 110, 150), 1.5));
  p.drawLine(QPointF(4, 0), QPointF(length * 0.92, 0));
  for (int i = 1; i < 6; ++i) {
    const qreal x = length * i / 6.5;
    p.drawLine(QPointF(x, 0), QPointF(x + length * 0.1, -length * 0.1));
    p.drawLine(QPointF(x, 0), QPointF(x + length * 0.1, length * 0.08));
  }
  p.restore();
}

void DrawBee(QPainter &p, QPointF at, qreal angle) {
  p.save();
  p.translate(at);
  p.rotate(angle);
  // Wings behind the body.
  p.setPen(QPen(QColor(90, 110, 130, 160), 0.8));
  p.setBrush(QColor(230, 245, 255, 170));
  p.drawEllipse(QPointF(-3, -9), 6, 9);
  p.drawEllipse(QPointF(5, -8), 5, 8);
  // Striped body.
  QPainterPath body;
  body.addEllipse(QPointF(0, 0), 14, 8);
  p.setPen(QPen(QColor(30, 20, 0), 1));
  p.setBrush(QColor(250, 190, 30));
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 22, 10));
  for (qreal x : {-8.0, -1.0, 6.0})
    p.drawRect(QRectF(x, -9, 3.5, 18));
  p.restore();
  p.setBrush(QColor(30, 22, 10));
  p.drawEllipse(QPointF(14, 0), 5, 5);
  p.setPen(QPen(QColor(30, 22, 10), 1));
  p.drawLine(QPointF(17, -3), QPointF(23, -9));
  p.drawLine(QPointF(17, -2), QPointF(24, -5));
  p.restore();
}

} // namespace

QImage PaintSunflower(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / Design, size.height() / Design);
  TSceneRandom random(2001);

  p.fillRect(QRectF(0, 0, Design, Design), Vertical(0, Design,
                                                    {{0, QColor(40, 110, 200)},
                                                     {0.6, QColor(120, 185, 235)},
                                                     {1, QColor(170, 210, 150)}}));
  for (int i = 0; i < 5; ++i)
    DrawCloud(p, QPointF(random.Real(0, Design), random.Real(40, 200)), random.Real(90, 160),
              QColor(255, 255, 255, 200), QColor(200, 215, 235, 150), random);

  // Out-of-focus flowers and leaves of the field behind.
  for (int i = 0; i < 16; ++i) {
    const QPointF at(random.Real(-20, Design + 20), random.Real(260, Design + 20));
    DrawGlow(p, at, random.Real(30, 60), QColor(70, 140, 40, 160));
  }
  for (int i = 0; i < 9; ++i) {
    const QPointF at(random.Real(-20, Design + 20), random.Real(230, Design));
    const qreal r = random.Real(22, 40);
    DrawGlow(p, at, r * 1.6, QColor(250, 200, 40, 190));
    DrawGlow(p, at, r * 0.6, QColor(90, 50, 10, 200));
  }

  // Stem and leaves.
  const QPointF head(250, 215);
  QPainterPath stem(QPointF(head.x() + 10, head.y() + 60));
  stem.cubicTo(QPointF(head.x() + 30, 340), QPointF(head.x() - 10, 420),
               QPointF(head.x() + 5, Design + 10));
  p.setPen(QPen(Horizontal(240, 280, {{0, QColor(60, 120, 40)}, {1, QColor(30, 80, 25)}}), 22,
                Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  DrawLeaf(p, QPointF(head.x() + 18, 380), -28, 170);
  DrawLeaf(p, QPointF(head.x() + 2, 430), 200, 150);

  // Back petals darker, front petals bright, then the seed head.
  DrawPetalRing(p, head, 60, 110, 26, 7, QColor(200, 120, 10), QColor(235, 165, 20), random);
  DrawPetalRing(p, head, 62, 100, 24, 0, QColor(240, 150, 10), QColor(255, 210, 40), random);
  DrawSeedHead(p, head, 76);

  DrawBee(p, QPointF(head.x() + 120, head.y() - 78), -35);
  p.end();
  return image;
}
