// A fishing harbour in the morning: a row of coloured houses on the quay, a lighthouse on the
// pier, boats on still water that mirrors them, and gulls overhead.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr qreal Design = 400; // design units across (300 down)
constexpr qreal Quay = 168;   // top of the quay wall
constexpr qreal Water = 180;  // waterline of the quay

void DrawHouse(QPainter &p, qreal x, qreal width, qreal height, const QColor &wall,
               const QColor &roof) {
  const qreal top = Quay - height;
  p.setPen(QPen(Mix(wall, Qt::black, 0.45), 0.6));
  p.setBrush(
      Horizontal(x, x + width, {{0, Mix(wall, Qt::white, 0.15)}, {1, Mix(wall, Qt::black, 0.1)}}));
  p.drawRect(QRectF(x, top, width, height));
  QPainterPath gable;
  gable.moveTo(x - 2, top);
  gable.lineTo(x + width / 2, top - width * 0.45);
  gable.lineTo(x + width + 2, top);
  gable.closeSubpath();
  p.setBrush(Vertical(top - width * 0.45, top, {{0, Mix(roof, Qt::white, 0.15)}, {1, roof}}));
  p.drawPath(gable);
  // Windows in rows, a door at the bottom.
  const QColor glass(40, 60, 80);
  p.setPen(QPen(QColor(250, 250, 245), 0.8));
  p.setBrush(glass);
  for (qreal wy = top + 5; wy < Quay - 16; wy += 11)
    for (qreal wx = x + 4; wx < x + width - 6; wx += 9)
      p.drawRect(QRectF(wx, wy, 4.5, 6));
  p.setBrush(Mix(roof, Qt::black, 0.3));
  p.drawRect(QRectF(x + width / 2 - 3, Quay - 10, 6, 10));
}

void DrawTown(QPainter &p, TSceneRandom &random) {
  const QColor walls[] = {QColor(220, 120, 80),  QColor(240, 210, 110), QColor(90, 160, 160),
                          QColor(235, 170, 170), QColor(245, 240, 225), QColor(130, 170, 210),
                          QColor(200, 90, 70),   QColor(250, 225, 160)};
  const QColor roofs[] = {QColor(150, 50, 40), QColor(110, 60, 50), QColor(70, 70, 80)};
  // A church tower rises behind the houses.
  p.setPen(QPen(QColor(90, 80, 70), 0.6));
  p.setBrush(Horizontal(120, 138, {{0, QColor(235, 225, 200)}, {1, QColor(190, 175, 150)}}));
  p.drawRect(QRectF(120, 92, 18, 76));
  QPainterPath spire;
  spire.moveTo(118, 92);
  spire.lineTo(129, 58);
  spire.lineTo(140, 92);
  spire.closeSubpath();
  p.setBrush(Horizontal(118, 140, {{0, QColor(90, 140, 120)}, {1, QColor(50, 90, 80)}}));
  p.drawPath(spire);
  p.setBrush(QColor(60, 50, 40));
  p.drawEllipse(QPointF(129, 104), 3.5, 3.5);

  qreal x = -6;
  int i = 0;
  while (x < 262) {
    const qreal width = random.Real(22, 34);
    DrawHouse(p, x, width, random.Real(30, 58), walls[i % 8], roofs[random.Int(0, 3)]);
    x += width + random.Real(0, 2);
    i += random.Int(1, 4);
  }
}

void DrawLighthouse(QPainter &p) {
  // The pier runs out to the right.
  p.setPen(QPen(QColor(70, 64, 60), 0.6));
  p.setBrush(
      Vertical(Quay + 2, Water + 2, {{0, QColor(170, 160, 145)}, {1, QColor(110, 100, 90)}}));
  p.drawRect(QRectF(262, Quay + 2, 140, Water - Quay));
  QPainterPath tower;
  tower.moveTo(328, Quay + 2);
  tower.lineTo(333, 88);
  tower.lineTo(351, 88);
  tower.lineTo(356, Quay + 2);
  tower.closeSubpath();
  p.setBrush(Horizontal(328, 356, {{0, QColor(255, 255, 255)}, {1, QColor(200, 200, 205)}}));
  p.drawPath(tower);
  p.save();
  p.setClipPath(tower);
  p.setPen(Qt::NoPen);
  p.setBrush(Horizontal(328, 356, {{0, QColor(230, 60, 50)}, {1, QColor(160, 30, 30)}}));
  for (qreal y = 100; y < Quay; y += 30)
    p.drawRect(QRectF(320, y, 40, 14));
  p.restore();
  // Gallery, lantern and cap.
  p.setBrush(QColor(50, 50, 55));
  p.drawRect(QRectF(329, 84, 26, 4));
  p.setBrush(QColor(255, 240, 170));
  p.drawRect(QRectF(335, 70, 14, 14));
  p.setBrush(QColor(170, 30, 30));
  QPainterPath cap;
  cap.moveTo(332, 70);
  cap.lineTo(342, 60);
  cap.lineTo(352, 70);
  cap.closeSubpath();
  p.drawPath(cap);
}

// A boat drawn with its waterline at y = 0 and its bow to the right.
using TBoat = std::function<void(QPainter &)>;

QPainterPath Hull(qreal length, qreal depth) {
  QPainterPath hull(QPointF(-length / 2, -depth));
  hull.lineTo(length / 2 + 6, -depth - 2);
  hull.quadTo(QPointF(length / 2, 0), QPointF(length / 2 - 8, depth * 0.2));
  hull.lineTo(-length / 2 + 4, depth * 0.2);
  hull.closeSubpath();
  return hull;
}

void SailBoat(QPainter &p) {
  p.setPen(QPen(QColor(40, 40, 50), 0.8));
  p.setBrush(Vertical(-8, 2, {{0, QColor(255, 255, 255)}, {1, QColor(190, 200, 210)}}));
  p.drawPath(Hull(60, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 80, 160));
  p.drawRect(QRectF(-30, -4, 62, 2));
  p.setPen(QPen(QColor(90, 70, 50), 1.5));
  p.drawLine(QPointF(0, -9), QPointF(0, -78));
  p.setPen(QPen(QColor(150, 150, 150), 0.6));
  QPainterPath main;
  main.moveTo(-2, -76);
  main.quadTo(QPointF(-16, -40), QPointF(-26, -12));
  main.lineTo(-2, -12);
  main.closeSubpath();
  p.setBrush(Horizontal(-26, 0, {{0, QColor(230, 230, 225)}, {1, QColor(255, 255, 250)}}));
  p.drawPath(main);
  QPainterPath jib;
  jib.moveTo(2, -72);
  jib.quadTo(QPointF(18, -40), QPointF(30, -12));
  jib.lineTo(2, -12);
  jib.closeSubpath();
  p.setBrush(Horizontal(2, 30, {{0, QColor(250, 200, 80)}, {1, QColor(230, 140, 40)}}));
  p.drawPath(jib);
}

void FishingBoat(QPainter &p) {
  p.setPen(QPen(QColor(40, 20, 20), 0.8));
  p.setBrush(Vertical(-10, 2, {{0, QColor(220, 60, 50)}, {1, QColor(130, 30, 30)}}));
  p.drawPath(Hull(70, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 240, 230));
  p.drawRect(QRectF(-34, -12, 74, 3));
  p.setPen(QPen(QColor(60, 60, 60), 0.6));
  p.setBrush(Vertical(-30, -12, {{0, QColor(250, 250, 245)}, {1, QColor(200, 200, 200)}}));
  p.drawRect(QRectF(-4, -30, 22, 18));
  p.setBrush(QColor(60, 90, 120));
  p.drawRect(QRectF(0, -26, 6, 6));
  p.drawRect(QRectF(9, -26, 6, 6));
  p.setPen(QPen(QColor(70, 60, 50), 1.5));
  p.drawLine(QPointF(-20, -12), QPointF(-20, -60));
  p.setPen(QPen(QColor(70, 60, 50, 160), 0.5));
  p.drawLine(QPointF(-20, -60), QPointF(-34, -12));
  p.drawLine(QPointF(-20, -60), QPointF(18, -30));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 130, 80));
  p.drawRect(QRectF(-20, -60, 10, 6));
}

void RowBoat(QPainter &p) {
  p.setPen(QPen(QColor(60, 35, 20), 0.8));
  p.setBrush(Vertical(-7, 2, {{0, QColor(200, 140, 80)}, {1, QColor(120, 75, 40)}}));
  QPainterPath hull(QPointF(-22, -7));
  hull.lineTo(24, -8);
  hull.quadTo(QPointF(18, 2), QPointF(10, 2));
  hull.lineTo(-16, 2);
  hull.quadTo(QPointF(-22, 0), QPointF(-22, -7));
  p.drawPath(hull);
  p.setPen(QPen(QColor(90, 60, 30), 1.2));
  p.drawLine(QPointF(-6, -9), QPointF(-30, 4));
}

// Draws a boat afloat at its waterline and its mirror image in the water below it.
void Float(QPainter &p, const TBoat &boat, QPointF waterline, qreal scale) {
  p.save();
  p.translate(waterline);
  p.scale(scale, -scale * 0.9);
  p.setOpacity(0.35);
  boat(p);
  p.restore();
  p.save();
  p.translate(waterline);
  p.scale(scale, scale);
  boat(p);
  p.restore();
}

// Sky, hills, town and quay: everything the water mirrors.
void DrawSkyAndTown(QPainter &a, TSceneRandom &random) {
  a.fillRect(QRectF(0, 0, Design, Water), Vertical(0, Water,
                                                   {{0, QColor(70, 140, 215)},
                                                    {0.7, QColor(175, 210, 235)},
                                                    {1, QColor(245, 225, 200)}}));
  DrawGlow(a, QPointF(300, 40), 60, QColor(255, 250, 220, 200));
  for (int i = 0; i < 4; ++i)
    DrawCloud(a, QPointF(random.Real(20, 380), random.Real(30, 70)), random.Real(60, 110),
              QColor(255, 255, 255, 230), QColor(205, 215, 235, 210), random);
  a.setPen(Qt::NoPen);
  a.setBrush(QColor(110, 150, 150));
  a.drawPath(RidgePath(QRectF(0, 100, Design, 80), 125, 140, 18, 6, random));
  a.setBrush(QColor(80, 125, 95));
  a.drawPath(RidgePath(QRectF(0, 120, Design, 60), 140, 150, 10, 6, random));
  DrawTown(a, random);
  a.setPen(Qt::NoPen);
  a.setBrush(Vertical(Quay, Water, {{0, QColor(150, 140, 125)}, {1, QColor(95, 85, 75)}}));
  a.drawRect(QRectF(-2, Quay, 266, Water - Quay));
  a.setBrush(QColor(70, 60, 55));
  for (qreal bx = 14; bx < 260; bx += 44)
    a.drawRoundedRect(QRectF(bx, Quay - 5, 5, 6), 2, 2);
  DrawLighthouse(a);
}

// Ripples catch the sky.
void DrawRipples(QPainter &p, TSceneRandom &random, qreal waterHeight) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 140; ++i) {
    const qreal y = random.Real(Water + 2, Water + waterHeight);
    const qreal depth = (y - Water) / waterHeight;
    const qreal w = random.Real(6, 24) * (0.5 + depth);
    p.setBrush(random.Chance(0.5) ? QColor(220, 240, 255, 70) : QColor(10, 40, 60, 70));
    p.drawRoundedRect(QRectF(random.Real(-10, Design), y, w, 0.8 + depth), 0.5, 0.5);
  }
}

void DrawGulls(QPainter &p) {
  p.setPen(QPen(QColor(40, 50, 60), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const QPointF &g : {QPointF(190, 40), QPointF(214, 54), QPointF(250, 32), QPointF(60, 70)}) {
    QPainterPath gull(g - QPointF(8, 0));
    gull.quadTo(g - QPointF(4, 5), g);
    gull.quadTo(g + QPointF(4, -5), g + QPointF(8, 0));
    p.drawPath(gull);
  }
}

} // namespace

QImage PaintHarbour(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / Design, size.width() / Design);
  TSceneRandom random(2101);

  // Everything above the water is painted into its own layer so the water can mirror it.
  QImage above(size, QImage::Format_ARGB32_Premultiplied);
  above.fill(Qt::transparent);
  {
    QPainter a(&above);
    a.setRenderHint(QPainter::Antialiasing);
    a.scale(size.width() / Design, size.width() / Design);
    DrawSkyAndTown(a, random);
  }
  p.resetTransform();
  p.drawImage(0, 0, above);

  // The water: a darkening gradient with the mirrored scene drawn in wavering strips.
  p.scale(size.width() / Design, size.width() / Design);
  const qreal waterHeight = size.height() * Design / size.width() - Water;
  p.fillRect(
      QRectF(0, Water, Design, waterHeight),
      Vertical(Water, Water + waterHeight, {{0, QColor(70, 130, 150)}, {1, QColor(20, 60, 80)}}));
  const qreal unit = size.width() / Design;
  const int waterTop = int(std::lround(Water * unit));
  p.save();
  p.resetTransform();
  p.setOpacity(0.45);
  // Row y of the water shows row 2 * waterline - y of the scene, shifted sideways by a wave
  // that grows towards the viewer.
  for (int y = waterTop; y < size.height(); ++y) {
    const int sourceRow = std::max(0, 2 * waterTop - y);
    const qreal depth = (y - waterTop) / qreal(size.height() - waterTop);
    const qreal shift = 2.0 * unit * std::sin(y * 0.6 / unit) * depth;
    p.drawImage(QPointF(shift, y), above, QRectF(0, sourceRow, size.width(), 1));
  }
  p.restore();

  DrawRipples(p, random, waterHeight);

  Float(p, SailBoat, QPointF(90, 214), 1.0);
  Float(p, FishingBoat, QPointF(232, 238), 1.1);
  Float(p, RowBoat, QPointF(330, 268), 1.2);

  DrawGulls(p);
  p.end();
  return image;
}
