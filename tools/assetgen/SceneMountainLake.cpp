// A mountain lake at sunset: snow-capped ranges against a glowing sky, pine forest on the
// shores, the lake mirroring it all with a glittering path of sunlight, and a jetty in front.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal Design = 800; // design units across (600 down)
constexpr qreal Shore = 352;  // the far shoreline, where the mirror begins
const QPointF Sun(455, 262);

// A jagged line through the given points, each segment roughened by midpoint displacement,
// closed down to the bottom: a mountain outline.
QPainterPath Massif(const QList<QPointF> &points, qreal bottom, qreal roughness,
                    TSceneRandom &random) {
  QPainterPath path(QPointF(points.first().x(), bottom));
  for (int i = 0; i + 1 < points.size(); ++i) {
    const QPointF a = points[i], b = points[i + 1];
    const QPainterPath segment = RidgePath(QRectF(a.x(), 0, b.x() - a.x(), bottom), a.y(), b.y(),
                                           roughness * std::abs(b.x() - a.x()) / 100, 5, random);
    // The segment's own outline runs bottom-left, its ridge points, bottom-right.
    for (int e = 1; e + 1 < segment.elementCount(); ++e)
      path.lineTo(segment.elementAt(e).x, segment.elementAt(e).y);
  }
  path.lineTo(points.last().x(), bottom);
  path.closeSubpath();
  return path;
}

QPainterPath Face(const QPolygonF &corners) {
  QPainterPath face;
  face.addPolygon(corners);
  face.closeSubpath();
  return face;
}

// A mountain range: rock, a snow cap above a ragged snow line, and the faces turned away from
// the sun (shade, any shape; it is cut to the range) in shadow.
void DrawRange(QPainter &p, const QPainterPath &ridge, qreal snowLine, const QColor &rock,
               const QColor &snow, const QPainterPath &shade, TSceneRandom &random) {
  const QRectF box = ridge.boundingRect();
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(box.top(), box.bottom(),
                      {{0, Mix(rock, snow, 0.3)}, {1, Mix(rock, Qt::black, 0.35)}}));
  p.drawPath(ridge);

  QPainterPath above;
  above.addRect(box.adjusted(-1, -1, 1, 1));
  const QPainterPath below = RidgePath(
      QRectF(box.left() - 1, snowLine - 30, box.width() + 2, box.bottom() - snowLine + 31),
      snowLine, snowLine + 10, 26, 7, random);
  const QPainterPath cap = ridge.intersected(above.subtracted(below));
  p.setBrush(Vertical(box.top(), snowLine + 30, {{0, snow}, {1, Mix(snow, rock, 0.35)}}));
  p.drawPath(cap);

  p.setBrush(QColor(40, 30, 90, 110));
  p.drawPath(ridge.intersected(shade));
  // Warm light on the sunward slopes.
  p.setBrush(Horizontal(box.left(), box.right(),
                        {{0, QColor(255, 140, 80, 0)},
                         {0.6, QColor(255, 150, 90, 60)},
                         {1, QColor(255, 140, 80, 20)}}));
  p.drawPath(ridge);
}

void DrawPine(QPainter &p, QPointF foot, qreal height, const QColor &colour) {
  const qreal w = height * 0.32;
  QPainterPath tree;
  for (int tier = 0; tier < 4; ++tier) {
    const qreal top = foot.y() - height + tier * height * 0.2;
    const qreal bottom = top + height * 0.38;
    const qreal half = w * (0.35 + tier * 0.22);
    tree.moveTo(foot.x(), top);
    tree.lineTo(foot.x() + half, bottom);
    tree.lineTo(foot.x() - half, bottom);
    tree.closeSubpath();
  }
  tree.setFillRule(Qt::WindingFill);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(tree);
  p.setBrush(Mix(colour, Qt::black, 0.4));
  p.drawRect(
      QRectF(foot.x() - height * 0.03, foot.y() - height * 0.08, height * 0.06, height * 0.1));
}

void DrawForest(QPainter &p, qreal left, qreal right, qreal foot, qreal minH, qreal maxH,
                const QColor &colour, TSceneRandom &random) {
  for (qreal x = left; x < right; x += random.Real(5, 11)) {
    const qreal wave = std::sin(x * 0.02) * 6;
    DrawPine(p, QPointF(x, foot + random.Real(-3, 3)), random.Real(minH, maxH) + wave,
             Mix(colour, Qt::black, random.Real(0, 0.25)));
  }
}

// A sunset stratus: a flat band of overlapping puffs, lit from below.
void DrawStratus(QPainter &p, QPointF at, qreal width, qreal height, qreal warmth,
                 TSceneRandom &random) {
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  for (qreal x = 0; x < width; x += height * random.Real(0.8, 1.6)) {
    const qreal taper = std::sin(M_PI * x / width);
    const qreal h = height * (0.4 + 0.6 * taper) * random.Real(0.7, 1.2);
    cloud.addEllipse(QPointF(at.x() + x, at.y() - h * 0.3), h * random.Real(1.4, 2.6), h);
  }
  cloud = cloud.simplified();
  const QRectF box = cloud.boundingRect();
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(box.top(), box.bottom(),
                      {{0, QColor(110, 60, 120, 190)},
                       {0.6, Mix(QColor(220, 110, 120, 210), QColor(255, 170, 110, 220), warmth)},
                       {1, Mix(QColor(255, 170, 130, 230), QColor(255, 225, 160, 240), warmth)}}));
  p.drawPath(cloud);
}

void DrawSky(QPainter &p, TSceneRandom &random) {
  p.fillRect(QRectF(0, 0, Design, Shore), Vertical(0, Shore,
                                                   {{0, QColor(40, 34, 100)},
                                                    {0.35, QColor(140, 70, 130)},
                                                    {0.7, QColor(245, 120, 80)},
                                                    {1, QColor(255, 200, 110)}}));
  DrawGlow(p, Sun, 260, QColor(255, 190, 110, 150));
  DrawGlow(p, Sun, 70, QColor(255, 240, 180, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 225));
  p.drawEllipse(Sun, 26, 26);
  for (int i = 0; i < 8; ++i) {
    const qreal y = random.Real(40, 210);
    DrawStratus(p, QPointF(random.Real(-120, Design - 60), y), random.Real(160, 340),
                random.Real(6, 12), y / 210.0, random);
  }
}

void DrawLand(QPainter &p, TSceneRandom &random) {
  // Distant range across the whole width.
  DrawRange(p,
            Massif({{-10, 250},
                    {90, 190},
                    {150, 215},
                    {240, 175},
                    {330, 230},
                    {420, 250},
                    {560, 215},
                    {640, 170},
                    {700, 150},
                    {760, 185},
                    {810, 200}},
                   Shore, 30, random),
            205, QColor(110, 90, 140), QColor(245, 215, 230),
            Face({{90, 185}, {40, Shore}, {-10, Shore}, {-10, 200}})
                .united(Face({{700, 145}, {600, Shore}, {540, Shore}, {560, 210}})),
            random);
  // The great peak left of the sun; its left face turns away from the light.
  DrawRange(
      p,
      Massif(
          {{40, Shore}, {150, 250}, {236, 150}, {262, 170}, {300, 158}, {400, 262}, {500, Shore}},
          Shore, 14, random),
      215, QColor(85, 70, 110), QColor(255, 232, 228),
      Face({{236, 140}, {210, Shore}, {30, Shore}}), random);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(260, Shore, {{0, QColor(60, 55, 90)}, {1, QColor(30, 35, 55)}}));
  p.drawPath(RidgePath(QRectF(0, 260, Design, Shore - 260), 300, 285, 36, 7, random));
  DrawForest(p, -10, 330, Shore, 20, 44, QColor(20, 40, 45), random);
  DrawForest(p, 600, Design + 10, Shore, 24, 54, QColor(20, 40, 45), random);
  DrawForest(p, 330, 600, Shore, 8, 14, QColor(35, 50, 60), random);
}

// The sun's glitter path on the water.
void DrawGlitter(QPainter &p, TSceneRandom &random, qreal bottom) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 420; ++i) {
    const qreal y = Shore + 4 + std::pow(random.Real(0, 1), 1.4) * (bottom - Shore - 4);
    const qreal spread = 12 + (y - Shore) * 0.45;
    const qreal x = Sun.x() + random.Real(-1, 1) * random.Real(0, 1) * spread;
    const qreal w = random.Real(4, 16) * (0.5 + (y - Shore) / 200);
    p.setBrush(QColor(255, 225, 150, random.Int(90, 220)));
    p.drawRoundedRect(QRectF(x - w / 2, y, w, 1.2 + (y - Shore) / 120), 0.6, 0.6);
  }
  for (int i = 0; i < 260; ++i) {
    const qreal y = random.Real(Shore + 6, bottom);
    const qreal w = random.Real(10, 40) * (0.4 + (y - Shore) / 240);
    p.setBrush(random.Chance(0.5) ? QColor(255, 200, 190, 40) : QColor(10, 10, 40, 60));
    p.drawRect(QRectF(random.Real(-20, Design), y, w, 1.2));
  }
}

// Foreground: a rocky shore on the left with grass.
void DrawShore(QPainter &p, TSceneRandom &random, qreal bottom) {
  p.setBrush(Vertical(480, bottom, {{0, QColor(50, 40, 50)}, {1, QColor(20, 16, 24)}}));
  QPainterPath bank(QPointF(0, 470));
  bank.cubicTo(QPointF(90, 460), QPointF(180, 520), QPointF(250, 560));
  bank.cubicTo(QPointF(300, 585), QPointF(330, bottom), QPointF(330, bottom));
  bank.lineTo(0, bottom);
  bank.closeSubpath();
  p.drawPath(bank);
  for (const QRectF &rock :
       {QRectF(60, 470, 70, 36), QRectF(150, 505, 90, 44), QRectF(20, 520, 110, 60)}) {
    QRadialGradient lit(rock.center() + QPointF(rock.width() * 0.2, -rock.height() * 0.3),
                        rock.width() * 0.7);
    lit.setColorAt(0, QColor(190, 140, 120));
    lit.setColorAt(0.6, QColor(110, 80, 90));
    lit.setColorAt(1, QColor(40, 30, 45));
    p.setBrush(lit);
    p.drawEllipse(rock);
  }
  p.setPen(QPen(QColor(40, 60, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 160; ++i) {
    const qreal x = random.Real(0, 300);
    const qreal y = 480 + (x / 300) * 90 + random.Real(0, 40);
    p.setPen(QPen(Mix(QColor(60, 80, 40), QColor(200, 140, 80), random.Real(0, 0.5)), 1.4));
    p.drawLine(QPointF(x, y), QPointF(x + random.Real(-6, 6), y - random.Real(8, 22)));
  }
}

// A wooden jetty running out: planks on posts, seen at an angle.
void DrawJetty(QPainter &p) {
  p.setPen(QPen(QColor(30, 20, 15), 1));
  for (int i = 0; i < 6; ++i) {
    const qreal x = 250 + i * 48;
    const qreal y = 548 - i * 14;
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(x + 4, y + 8, 7, 30 - i * 2));
  }
  QPainterPath deck;
  deck.moveTo(230, 546);
  deck.lineTo(520, 470);
  deck.lineTo(532, 480);
  deck.lineTo(250, 566);
  deck.closeSubpath();
  p.setBrush(Vertical(470, 566, {{0, QColor(170, 110, 70)}, {1, QColor(110, 70, 45)}}));
  p.drawPath(deck);
  p.setPen(QPen(QColor(70, 45, 30, 180), 0.8));
  for (qreal t = 0.05; t < 1; t += 0.045)
    p.drawLine(QPointF(230 + 290 * t, 546 - 76 * t), QPointF(250 + 282 * t, 566 - 86 * t));
}

} // namespace

QImage PaintMountainLake(QSize size) {
  const qreal unit = size.width() / Design;
  TSceneRandom random(2201);

  QImage above(size, QImage::Format_ARGB32_Premultiplied);
  above.fill(Qt::transparent);
  {
    QPainter a(&above);
    a.setRenderHint(QPainter::Antialiasing);
    a.scale(unit, unit);
    DrawSky(a, random);
    DrawLand(a, random);
  }

  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(0, 0, above);

  // The lake mirrors the scene, a little darker and bluer, with ripples breaking it up.
  const int shore = int(std::lround(Shore * unit));
  for (int y = shore; y < size.height(); ++y) {
    const int sourceRow = std::max(0, 2 * shore - y);
    const qreal depth = (y - shore) / qreal(size.height() - shore);
    const qreal shift = 3.0 * unit * std::sin(y * 0.45 / unit) * depth;
    const QRectF row(0, sourceRow, size.width(), 1);
    p.drawImage(QPointF(0, y), above, row); // fills the edge the shifted copy leaves open
    p.drawImage(QPointF(shift, y), above, row);
  }
  p.scale(unit, unit);
  const qreal bottom = size.height() / unit;
  p.fillRect(QRectF(0, Shore, Design, bottom - Shore),
             Vertical(Shore, bottom, {{0, QColor(20, 30, 70, 70)}, {1, QColor(10, 15, 40, 170)}}));

  DrawGlitter(p, random, bottom);
  DrawShore(p, random, bottom);
  DrawJetty(p);
  p.end();
  return image;
}
