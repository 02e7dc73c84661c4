// A castle on a green hill under a summer sky: round towers with red cone roofs and flags,
// a winding road up to the gate, trees and a meadow of flowers in front.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr qreal Design = 630; // design units across (900 down)
const QColor Stone(200, 190, 170);
const QColor StoneShade(120, 110, 100);
const QColor Roof(190, 50, 40);

// A battlement of merlons along the top edge of a wall from left to right.
void DrawMerlons(QPainter &p, qreal left, qreal right, qreal top, qreal size) {
  for (qreal x = left; x + size <= right + 0.5; x += size * 2)
    p.drawRect(QRectF(x, top - size, size, size));
}

void DrawWindow(QPainter &p, QPointF centre, qreal w, qreal h) {
  QPainterPath arch(QPointF(centre.x() - w / 2, centre.y() + h / 2));
  arch.lineTo(centre.x() - w / 2, centre.y() - h / 2 + w / 2);
  arch.arcTo(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, w), 180, -180);
  arch.lineTo(centre.x() + w / 2, centre.y() + h / 2);
  arch.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 35, 45));
  p.drawPath(arch);
}

// A round tower: a shaded cylinder, a gallery of merlons, a cone roof and a flag.
void DrawTower(QPainter &p, qreal centreX, qreal base, qreal width, qreal height,
               const QColor &flag) {
  const qreal left = centreX - width / 2;
  const qreal top = base - height;
  const QLinearGradient round = Horizontal(
      left, left + width, {{0, Mix(Stone, Qt::white, 0.2)}, {0.35, Stone}, {1, StoneShade}});
  p.setPen(QPen(Mix(StoneShade, Qt::black, 0.3), 1));
  p.setBrush(round);
  p.drawRect(QRectF(left, top, width, height));
  // Courses of stone.
  p.setPen(QPen(QColor(90, 80, 70, 60), 1));
  for (qreal y = top + 12; y < base; y += 12)
    p.drawLine(QPointF(left, y), QPointF(left + width, y));
  // A wider gallery with merlons.
  p.setPen(QPen(Mix(StoneShade, Qt::black, 0.3), 1));
  p.setBrush(round);
  p.drawRect(QRectF(left - 5, top - 10, width + 10, 12));
  DrawMerlons(p, left - 5, left + width + 5, top - 10, 7);
  for (int i = 0; i < 3; ++i)
    DrawWindow(p, QPointF(centreX, top + 30 + i * height * 0.28), width * 0.16, width * 0.32);

  const qreal roofTop = top - 16 - width * 1.1;
  QPainterPath cone(QPointF(left - 9, top - 16));
  cone.lineTo(centreX, roofTop);
  cone.lineTo(left + width + 9, top - 16);
  cone.quadTo(QPointF(centreX, top - 8), QPointF(left - 9, top - 16));
  p.setBrush(
      Horizontal(left - 9, left + width + 9,
                 {{0, Mix(Roof, Qt::white, 0.25)}, {0.4, Roof}, {1, Mix(Roof, Qt::black, 0.45)}}));
  p.drawPath(cone);
  p.setPen(QPen(QColor(60, 50, 40), 2));
  p.drawLine(QPointF(centreX, roofTop), QPointF(centreX, roofTop - 30));
  QPainterPath pennant(QPointF(centreX, roofTop - 30));
  pennant.quadTo(QPointF(centreX + 18, roofTop - 32), QPointF(centreX + 34, roofTop - 22));
  pennant.quadTo(QPointF(centreX + 16, roofTop - 20), QPointF(centreX, roofTop - 16));
  p.setPen(Qt::NoPen);
  p.setBrush(flag);
  p.drawPath(pennant);
}

void DrawCastle(QPainter &p) {
  const qreal base = 390;
  // Curtain wall between the outer towers, the keep behind it.
  p.setPen(QPen(Mix(StoneShade, Qt::black, 0.3), 1));
  p.setBrush(Vertical(250, base, {{0, Stone}, {1, StoneShade}}));
  p.drawRect(QRectF(262, 150, 110, 150));
  DrawMerlons(p, 262, 372, 150, 9);
  DrawWindow(p, QPointF(317, 200), 14, 30);
  DrawTower(p, 317, 150, 44, 70, QColor(250, 210, 50));

  p.setPen(QPen(Mix(StoneShade, Qt::black, 0.3), 1));
  p.setBrush(Vertical(270, base, {{0, Mix(Stone, Qt::white, 0.1)}, {1, StoneShade}}));
  p.drawRect(QRectF(170, 270, 300, base - 270));
  DrawMerlons(p, 170, 470, 270, 10);
  p.setPen(QPen(QColor(90, 80, 70, 50), 1));
  for (qreal y = 282; y < base; y += 12)
    for (qreal x = 170 + (int(y) % 24 == 6 ? 0 : 14); x < 470; x += 28)
      p.drawLine(QPointF(x, y), QPointF(x, y + 12));
  // The gate with its portcullis.
  QPainterPath gate(QPointF(296, base));
  gate.lineTo(296, 336);
  gate.arcTo(QRectF(296, 318, 44, 36), 180, -180);
  gate.lineTo(340, base);
  gate.closeSubpath();
  p.setPen(QPen(QColor(70, 60, 50), 2));
  p.setBrush(QColor(30, 25, 25));
  p.drawPath(gate);
  p.setPen(QPen(QColor(110, 90, 60), 1.5));
  for (qreal x = 302; x < 340; x += 7)
    p.drawLine(QPointF(x, 326), QPointF(x, base));
  for (qreal y = 340; y < base; y += 9)
    p.drawLine(QPointF(297, y), QPointF(339, y));
  for (const QPointF &w : {QPointF(230, 310), QPointF(410, 310)})
    DrawWindow(p, w, 10, 22);

  DrawTower(p, 170, base + 4, 62, 170, QColor(40, 90, 200));
  DrawTower(p, 470, base + 4, 62, 170, QColor(40, 90, 200));
}

QPainterPath Hill() {
  QPainterPath hill(QPointF(-10, 900));
  hill.lineTo(-10, 560);
  hill.cubicTo(QPointF(80, 500), QPointF(180, 420), QPointF(320, 420));
  hill.cubicTo(QPointF(460, 420), QPointF(560, 500), QPointF(640, 560));
  hill.lineTo(640, 900);
  hill.closeSubpath();
  return hill;
}

void DrawTree(QPainter &p, QPointF foot, qreal size, TSceneRandom &random) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 60, 40));
  p.drawRect(QRectF(foot.x() - size * 0.08, foot.y() - size * 0.5, size * 0.16, size * 0.5));
  for (int i = 0; i < 6; ++i) {
    const QPointF c =
        foot + QPointF(random.Real(-0.35, 0.35) * size, -size * random.Real(0.6, 1.05));
    const qreal r = size * random.Real(0.28, 0.4);
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.3);
    g.setColorAt(0, QColor(130, 190, 70));
    g.setColorAt(0.7, QColor(50, 120, 40));
    g.setColorAt(1, QColor(25, 70, 30));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
  }
}

// Sky, clouds and the far hills, blue with distance.
void DrawSkyAndHills(QPainter &p, TSceneRandom &random, qreal bottom) {
  p.fillRect(QRectF(0, 0, Design, bottom), Vertical(0, 560,
                                                    {{0, QColor(50, 110, 200)},
                                                     {0.7, QColor(140, 195, 240)},
                                                     {1, QColor(215, 235, 245)}}));
  DrawGlow(p, QPointF(540, 90), 120, QColor(255, 255, 230, 160));
  for (int i = 0; i < 6; ++i)
    DrawCloud(p, QPointF(random.Real(-40, Design + 40), random.Real(60, 330)),
              random.Real(110, 220), QColor(255, 255, 255, 240), QColor(200, 210, 230, 220),
              random);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(140, 175, 190));
  p.drawPath(RidgePath(QRectF(0, 440, Design, 460), 500, 470, 40, 6, random));
  p.setBrush(QColor(110, 160, 130));
  p.drawPath(RidgePath(QRectF(0, 500, Design, 400), 540, 520, 30, 6, random));
}

// Meadow flowers, bigger towards the front, clear of the road.
void DrawFlowers(QPainter &p, TSceneRandom &random, const QPainterPath &road, qreal bottom) {
  p.setPen(Qt::NoPen);
  const QColor petals[] = {QColor(250, 250, 250), QColor(250, 220, 60), QColor(230, 70, 90),
                           QColor(170, 110, 230)};
  QPainterPathStroker verge;
  verge.setWidth(40);
  const QPainterPath roadArea = verge.createStroke(road);
  for (int i = 0; i < 420; ++i) {
    const qreal y = random.Real(640, bottom);
    const qreal x = random.Real(0, Design);
    if (roadArea.contains(QPointF(x, y)))
      continue;
    const qreal r = 1 + (y - 640) / 70;
    p.setBrush(QColor(40, 110, 40));
    p.drawRect(QRectF(x - 0.4, y, 0.8 + r * 0.2, r * 3));
    p.setBrush(petals[random.Int(0, 4)]);
    p.drawEllipse(QPointF(x, y), r, r);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(x, y), r * 0.35, r * 0.35);
  }
}

// Birds over the towers.
void DrawBirds(QPainter &p) {
  p.setPen(QPen(QColor(40, 40, 60), 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const QPointF &g : {QPointF(420, 120), QPointF(450, 140), QPointF(395, 150)}) {
    QPainterPath bird(g - QPointF(10, 0));
    bird.quadTo(g - QPointF(5, 6), g);
    bird.quadTo(g + QPointF(5, -6), g + QPointF(10, 0));
    p.drawPath(bird);
  }
}

} // namespace

QImage PaintCastle(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size.width() / Design;
  p.scale(unit, unit);
  const qreal bottom = size.height() / unit;
  TSceneRandom random(2301);

  DrawSkyAndHills(p, random, bottom);

  const QPainterPath hill = Hill();
  p.setBrush(
      Vertical(380, bottom,
               {{0, QColor(120, 180, 70)}, {0.5, QColor(70, 140, 50)}, {1, QColor(40, 100, 40)}}));
  p.drawPath(hill);
  p.save();
  p.translate(0, 40);
  DrawCastle(p);
  p.restore();

  // The road winds from the gate down to the bottom edge.
  QPainterPath road(QPointF(318, 432));
  road.cubicTo(QPointF(320, 490), QPointF(160, 500), QPointF(200, 570));
  road.cubicTo(QPointF(240, 640), QPointF(470, 640), QPointF(420, 760));
  road.cubicTo(QPointF(400, 820), QPointF(330, 860), QPointF(320, 910));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(150, 120, 80), 30, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(road);
  p.setPen(QPen(QColor(210, 185, 140), 22, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(road);

  for (const QPointF &t : {QPointF(70, 560), QPointF(110, 600), QPointF(560, 560),
                           QPointF(520, 620), QPointF(600, 650)})
    DrawTree(p, t, 60 + t.y() * 0.08, random);

  DrawFlowers(p, random, road, bottom);
  DrawBirds(p);
  p.end();
  return image;
}
