// A city skyline at night: a full moon over layered towers with lit windows, a spire and a
// stepped tower among them, a bridge and a river that smears the lights into long reflections.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal Design = 800; // design units across (600 down)
constexpr qreal River = 430;  // the embankment line

struct TBuilding {
  QRectF Body;
  QColor Wall;
  qreal Lit; // share of lit windows
};

void DrawWindows(QPainter &p, const QRectF &body, qreal lit, qreal scale, TSceneRandom &random) {
  const qreal w = 3 * scale, h = 4 * scale, gapX = 3 * scale, gapY = 4 * scale;
  p.setPen(Qt::NoPen);
  for (qreal y = body.top() + gapY; y + h < body.bottom() - gapY; y += h + gapY)
    for (qreal x = body.left() + gapX; x + w < body.right() - gapX * 0.5; x += w + gapX) {
      if (!random.Chance(lit))
        continue;
      const int warm = random.Int(0, 3);
      const QColor light = warm == 0   ? QColor(255, 245, 200)
                           : warm == 1 ? QColor(255, 210, 120)
                                       : QColor(180, 220, 255);
      p.setBrush(light);
      p.drawRect(QRectF(x, y, w, h));
    }
}

void DrawBuilding(QPainter &p, const TBuilding &b, qreal scale, TSceneRandom &random) {
  p.setPen(Qt::NoPen);
  p.setBrush(Horizontal(b.Body.left(), b.Body.right(),
                        {{0, Mix(b.Wall, Qt::white, 0.08)}, {1, Mix(b.Wall, Qt::black, 0.3)}}));
  p.drawRect(b.Body);
  DrawWindows(p, b.Body, b.Lit, scale, random);
  // A roof detail: water tank, antenna or a setback.
  const int kind = random.Int(0, 3);
  p.setBrush(Mix(b.Wall, Qt::black, 0.2));
  if (kind == 0) {
    p.drawRect(QRectF(b.Body.left() + b.Body.width() * 0.2, b.Body.top() - 10 * scale,
                      b.Body.width() * 0.5, 10 * scale));
  } else if (kind == 1) {
    const qreal x = b.Body.center().x();
    p.setPen(QPen(Mix(b.Wall, Qt::black, 0.2), 1.2 * scale));
    p.drawLine(QPointF(x, b.Body.top()), QPointF(x, b.Body.top() - 24 * scale));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 60, 60));
    p.drawEllipse(QPointF(x, b.Body.top() - 24 * scale), 1.5 * scale, 1.5 * scale);
  }
}

// A row of buildings across the picture, standing on the given base line.
void DrawRow(QPainter &p, qreal base, qreal minH, qreal maxH, qreal minW, qreal maxW,
             const QColor &wall, qreal lit, qreal scale, TSceneRandom &random) {
  qreal x = random.Real(-30, 0);
  while (x < Design) {
    const qreal w = random.Real(minW, maxW);
    const qreal h = random.Real(minH, maxH);
    DrawBuilding(p, {QRectF(x, base - h, w, h), Mix(wall, Qt::black, random.Real(0, 0.3)), lit},
                 scale, random);
    x += w + random.Real(-4, 6);
  }
}

// The landmark towers: a slim spire and a stepped tower with a crown of light.
void DrawLandmarks(QPainter &p, TSceneRandom &random) {
  const QColor wall(40, 48, 80);
  p.setPen(Qt::NoPen);
  // Stepped tower.
  const qreal cx = 560;
  const qreal widths[] = {70, 56, 42, 28};
  qreal top = River - 40;
  for (int i = 0; i < 4; ++i) {
    const qreal h = i == 0 ? 170 : 50;
    const QRectF body(cx - widths[i] / 2, top - h, widths[i], h);
    DrawBuilding(p, {body, wall, 0.55}, 1.0, random);
    top -= h;
  }
  p.setBrush(QColor(255, 220, 140));
  p.drawRect(QRectF(cx - 10, top - 4, 20, 4));
  QPainterPath mast(QPointF(cx - 6, top - 4));
  mast.lineTo(cx, top - 80);
  mast.lineTo(cx + 6, top - 4);
  mast.closeSubpath();
  p.setBrush(Horizontal(cx - 6, cx + 6, {{0, QColor(170, 180, 200)}, {1, QColor(60, 70, 90)}}));
  p.drawPath(mast);
  DrawGlow(p, QPointF(cx, top - 6), 30, QColor(255, 220, 150, 120));

  // The spire: a tall tapering glass tower.
  QPainterPath spire(QPointF(232, River - 30));
  spire.lineTo(238, 120);
  spire.lineTo(250, 60);
  spire.lineTo(262, 120);
  spire.lineTo(268, River - 30);
  spire.closeSubpath();
  p.setBrush(Horizontal(
      232, 268, {{0, QColor(70, 100, 150)}, {0.4, QColor(40, 60, 100)}, {1, QColor(15, 20, 40)}}));
  p.drawPath(spire);
  p.save();
  p.setClipPath(spire);
  p.setBrush(QColor(150, 220, 255, 150));
  for (qreal y = 130; y < River - 30; y += 8)
    p.drawRect(QRectF(232, y, 36, 1.5));
  p.restore();
  p.setPen(QPen(QColor(120, 130, 160), 1.2));
  p.drawLine(QPointF(250, 60), QPointF(250, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 70, 70));
  p.drawEllipse(QPointF(250, 20), 2.5, 2.5);
}

void DrawBridge(QPainter &p) {
  const qreal deck = River + 8;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 22, 34));
  p.drawRect(QRectF(-10, deck, Design + 20, 7));
  // Arches between piers.
  for (qreal x = -40; x < Design; x += 160) {
    QPainterPath arch(QPointF(x, deck + 7));
    arch.lineTo(x + 160, deck + 7);
    arch.lineTo(x + 160, deck + 40);
    arch.lineTo(x + 150, deck + 40);
    arch.quadTo(QPointF(x + 80, deck + 2), QPointF(x + 10, deck + 40));
    arch.lineTo(x, deck + 40);
    arch.closeSubpath();
    p.drawPath(arch);
  }
  // Lamps along the deck.
  for (qreal x = 10; x < Design; x += 40) {
    p.setPen(QPen(QColor(30, 30, 45), 1));
    p.drawLine(QPointF(x, deck), QPointF(x, deck - 12));
    p.setPen(Qt::NoPen);
    DrawGlow(p, QPointF(x, deck - 13), 9, QColor(255, 210, 130, 200));
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QPointF(x, deck - 13), 1.6, 1.6);
  }
}

// Night sky, stars, the moon with its halo and dim seas, and the city's glow.
void DrawNightSky(QPainter &a, TSceneRandom &random) {
  a.fillRect(
      QRectF(0, 0, Design, River + 1),
      Vertical(0, River,
               {{0, QColor(6, 8, 30)}, {0.6, QColor(24, 30, 80)}, {1, QColor(90, 60, 110)}}));
  DrawStars(a, QRectF(0, 0, Design, 260), 260, 1.3, random);
  // The moon with its halo and dim seas.
  const QPointF moon(640, 110);
  DrawGlow(a, moon, 140, QColor(200, 210, 255, 90));
  a.setPen(Qt::NoPen);
  a.setBrush(QColor(245, 240, 220));
  a.drawEllipse(moon, 38, 38);
  a.setBrush(QColor(215, 210, 195));
  a.drawEllipse(moon + QPointF(-10, -8), 12, 9);
  a.drawEllipse(moon + QPointF(12, 10), 9, 7);
  a.drawEllipse(moon + QPointF(-4, 16), 6, 5);
  // City glow on the horizon.
  a.setBrush(Vertical(300, River, {{0, QColor(255, 150, 80, 0)}, {1, QColor(255, 150, 90, 90)}}));
  a.drawRect(QRectF(0, 300, Design, River - 300));
}

} // namespace

QImage PaintCitySkyline(QSize size) {
  const qreal unit = size.width() / Design;
  TSceneRandom random(2501);

  QImage above(size, QImage::Format_ARGB32_Premultiplied);
  above.fill(Qt::transparent);
  {
    QPainter a(&above);
    a.setRenderHint(QPainter::Antialiasing);
    a.scale(unit, unit);
    DrawNightSky(a, random);

    DrawRow(a, River - 20, 80, 200, 30, 60, QColor(50, 56, 100), 0.25, 0.8, random);
    DrawLandmarks(a, random);
    DrawRow(a, River, 50, 150, 36, 80, QColor(30, 34, 60), 0.4, 1.0, random);
    DrawRow(a, River + 2, 20, 60, 40, 90, QColor(18, 20, 36), 0.55, 1.1, random);
  }

  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(0, 0, above);

  // The river mirrors the city; every row of the mirror is jostled sideways by the ripples,
  // which breaks the lights into streaks.
  const int bank = int(std::lround((River + 2) * unit));
  p.fillRect(QRect(0, bank, size.width(), size.height() - bank), QColor(8, 10, 26));
  p.setOpacity(0.55);
  for (int y = bank; y < size.height(); ++y) {
    const qreal depth = (y - bank) / qreal(size.height() - bank);
    const int sourceRow = std::max(0, bank - 1 - (y - bank));
    const qreal shift = random.Real(-3, 3) * unit * (0.3 + depth);
    p.drawImage(QPointF(shift, y), above, QRectF(0, sourceRow, size.width(), 1));
  }
  p.setOpacity(1);
  p.scale(unit, unit);
  const qreal bottom = size.height() / unit;
  p.fillRect(QRectF(0, River, Design, bottom - River),
             Vertical(River, bottom, {{0, QColor(10, 12, 40, 60)}, {1, QColor(4, 4, 16, 200)}}));
  // The moon's track on the water.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const qreal y = random.Real(River + 50, bottom);
    const qreal w = random.Real(6, 30);
    p.setBrush(QColor(230, 230, 255, random.Int(60, 160)));
    p.drawRect(QRectF(640 + random.Real(-40, 40) - w / 2, y, w, 1.5));
  }
  DrawBridge(p);
  p.end();
  return image;
}
