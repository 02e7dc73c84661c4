// A coral reef: sunbeams through blue water, a sandy floor with branching, brain and fan
// corals, anemones and swaying weed, and fish of several kinds with rising bubbles.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr qreal Design = 800; // design units across (600 down)

void DrawSunbeams(QPainter &p, TSceneRandom &random) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 7; ++i) {
    const qreal x = random.Real(40, 760);
    const qreal w = random.Real(20, 60);
    QPainterPath beam(QPointF(x, 0));
    beam.lineTo(x + w, 0);
    beam.lineTo(x + w * 2.5 + 120, 600);
    beam.lineTo(x + 100, 600);
    beam.closeSubpath();
    p.setBrush(Vertical(0, 600, {{0, QColor(220, 255, 255, 60)}, {1, QColor(220, 255, 255, 0)}}));
    p.drawPath(beam);
  }
}

// A branching coral grown recursively from its foot.
void Branch(QPainter &p, QPointF from, qreal angle, qreal length, qreal width, int depth,
            const QColor &colour, TSceneRandom &random) {
  const QPointF to = from + QPointF(std::sin(angle) * length, -std::cos(angle) * length);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  if (depth == 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(colour, Qt::white, 0.35));
    p.drawEllipse(to, width * 0.6, width * 0.6);
    return;
  }
  const int forks = random.Int(2, 4);
  for (int i = 0; i < forks; ++i) {
    const qreal spread = (i - (forks - 1) / 2.0) * random.Real(0.3, 0.55);
    Branch(p, to, angle + spread, length * random.Real(0.65, 0.85), width * 0.72, depth - 1,
           Mix(colour, Qt::white, 0.06), random);
  }
}

void DrawBrainCoral(QPainter &p, QPointF centre, qreal radius, const QColor &colour,
                    TSceneRandom &random) {
  QPainterPath dome;
  dome.moveTo(centre.x() - radius, centre.y());
  dome.cubicTo(QPointF(centre.x() - radius, centre.y() - radius * 0.9),
               QPointF(centre.x() + radius, centre.y() - radius * 0.9),
               QPointF(centre.x() + radius, centre.y()));
  dome.closeSubpath();
  QRadialGradient lit(centre - QPointF(radius * 0.3, radius * 0.6), radius * 1.3);
  lit.setColorAt(0, Mix(colour, Qt::white, 0.35));
  lit.setColorAt(1, Mix(colour, Qt::black, 0.4));
  p.setPen(Qt::NoPen);
  p.setBrush(lit);
  p.drawPath(dome);
  // Meandering grooves.
  p.save();
  p.setClipPath(dome);
  p.setPen(QPen(Mix(colour, Qt::black, 0.35), 1.6));
  p.setBrush(Qt::NoBrush);
  for (qreal y = centre.y() - radius; y < centre.y(); y += 6) {
    QPainterPath groove(QPointF(centre.x() - radius, y));
    for (qreal x = centre.x() - radius; x < centre.x() + radius; x += 10)
      groove.quadTo(QPointF(x + 5, y + random.Real(-5, 5)), QPointF(x + 10, y));
    p.drawPath(groove);
  }
  p.restore();
}

void DrawFanCoral(QPainter &p, QPointF foot, qreal size, const QColor &colour,
                  TSceneRandom &random) {
  p.setPen(QPen(colour, 1.2));
  p.setBrush(Qt::NoBrush);
  // Ribs fanning out, then cross threads between them.
  const int ribs = 14;
  QList<QPointF> tips;
  for (int i = 0; i < ribs; ++i) {
    const qreal a = -1.1 + 2.2 * i / (ribs - 1);
    const QPointF tip =
        foot + QPointF(std::sin(a) * size, -std::cos(a) * size * random.Real(0.85, 1.0));
    QPainterPath rib(foot);
    rib.quadTo(foot + (tip - foot) * 0.5 + QPointF(random.Real(-8, 8), 0), tip);
    p.drawPath(rib);
    tips << tip;
  }
  p.setPen(QPen(Mix(colour, Qt::black, 0.1), 0.7));
  for (qreal t = 0.3; t < 1; t += 0.1)
    for (int i = 0; i + 1 < ribs; ++i)
      p.drawLine(foot + (tips[i] - foot) * t, foot + (tips[i + 1] - foot) * t);
}

void DrawAnemone(QPainter &p, QPointF foot, qreal size, const QColor &colour,
                 TSceneRandom &random) {
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(colour, Qt::black, 0.3));
  p.drawEllipse(QRectF(foot.x() - size * 0.35, foot.y() - size * 0.3, size * 0.7, size * 0.35));
  for (int i = 0; i < 22; ++i) {
    const qreal a = -1.3 + 2.6 * i / 21 + random.Real(-0.05, 0.05);
    const QPointF base = foot + QPointF(std::sin(a) * size * 0.25, -size * 0.25);
    const QPointF tip = base + QPointF(std::sin(a) * size * 0.8, -std::cos(a) * size * 0.9);
    QPainterPath tentacle(base);
    tentacle.quadTo(base + (tip - base) * 0.5 + QPointF(size * 0.12, 0), tip);
    p.setPen(QPen(Vertical(tip.y(), base.y(), {{0, Mix(colour, Qt::white, 0.5)}, {1, colour}}),
                  size * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tentacle);
  }
}

void DrawWeed(QPainter &p, QPointF foot, qreal height, TSceneRandom &random) {
  for (int s = 0; s < 4; ++s) {
    QPainterPath strand(foot + QPointF(s * 4, 0));
    const qreal sway = random.Real(-30, 30);
    strand.cubicTo(foot + QPointF(s * 4 + sway, -height * 0.3),
                   foot + QPointF(s * 4 - sway, -height * 0.7),
                   foot + QPointF(s * 4 + sway * 0.5, -height * random.Real(0.7, 1.0)));
    p.setPen(QPen(QColor(60, 150 + s * 15, 80), 5 - s * 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(strand);
  }
}

// A fish facing right with its nose at the origin's right; body colours and stripes given.
void DrawFish(QPainter &p, QPointF at, qreal length, bool facingRight, const QColor &body,
              const QColor &fin, const QColor &stripe, int stripes) {
  p.save();
  p.translate(at);
  if (!facingRight)
    p.scale(-1, 1);
  const qreal h = length * 0.45;
  QPainterPath fish(QPointF(length / 2, 0));
  fish.cubicTo(QPointF(length * 0.4, -h * 0.9), QPointF(-length * 0.2, -h * 0.8),
               QPointF(-length * 0.35, 0));
  fish.cubicTo(QPointF(-length * 0.2, h * 0.8), QPointF(length * 0.4, h * 0.9),
               QPointF(length / 2, 0));
  QPainterPath tail(QPointF(-length * 0.3, 0));
  tail.lineTo(-length * 0.55, -h * 0.6);
  tail.quadTo(QPointF(-length * 0.48, 0), QPointF(-length * 0.55, h * 0.6));
  tail.closeSubpath();
  p.setPen(QPen(Mix(body, Qt::black, 0.5), 1));
  p.setBrush(fin);
  p.drawPath(tail);
  p.setBrush(Vertical(
      -h, h, {{0, Mix(body, Qt::white, 0.25)}, {0.6, body}, {1, Mix(body, Qt::black, 0.3)}}));
  p.drawPath(fish);
  if (stripes > 0) {
    p.save();
    p.setClipPath(fish);
    p.setPen(QPen(Mix(stripe, Qt::black, 0.6), 1));
    p.setBrush(stripe);
    for (int i = 0; i < stripes; ++i) {
      const qreal x = length * (0.25 - 0.25 * i);
      p.drawRect(QRectF(x - length * 0.05, -h, length * 0.1, 2 * h));
    }
    p.restore();
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(length * 0.32, -h * 0.15), length * 0.05, length * 0.05);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(length * 0.335, -h * 0.15), length * 0.03, length * 0.03);
  p.restore();
}

// Water, sunbeams, the distant reef and the sand with its ripples of light.
void DrawWaterAndSand(QPainter &p, TSceneRandom &random) {
  p.fillRect(
      QRectF(0, 0, Design, 600),
      Vertical(0, 600,
               {{0, QColor(60, 200, 220)}, {0.5, QColor(20, 110, 170)}, {1, QColor(8, 40, 90)}}));
  DrawSunbeams(p, random);
  // Distant reef in the haze, then the sand.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 110, 150));
  p.drawPath(RidgePath(QRectF(0, 380, Design, 220), 420, 400, 40, 6, random));
  p.setBrush(Vertical(470, 600, {{0, QColor(220, 200, 150)}, {1, QColor(160, 140, 100)}}));
  QPainterPath sand(QPointF(0, 600));
  sand.lineTo(0, 500);
  sand.cubicTo(QPointF(200, 470), QPointF(500, 520), QPointF(800, 480));
  sand.lineTo(800, 600);
  sand.closeSubpath();
  p.drawPath(sand);
  // Ripples of light on the sand.
  p.setPen(QPen(QColor(255, 250, 220, 70), 1.5));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 30; ++i) {
    const QPointF c(random.Real(0, Design), random.Real(510, 600));
    p.drawArc(QRectF(c.x() - 20, c.y() - 4, 40, 8), 0, 180 * 16);
  }
}

void DrawCorals(QPainter &p, TSceneRandom &random) {
  DrawFanCoral(p, QPointF(120, 500), 120, QColor(170, 70, 180), random);
  DrawFanCoral(p, QPointF(700, 490), 100, QColor(230, 90, 120), random);
  Branch(p, QPointF(260, 520), 0, 60, 12, 4, QColor(240, 120, 70), random);
  Branch(p, QPointF(600, 510), 0.15, 50, 10, 4, QColor(250, 180, 80), random);
  DrawBrainCoral(p, QPointF(400, 540), 70, QColor(190, 170, 90), random);
  DrawBrainCoral(p, QPointF(60, 590), 60, QColor(140, 160, 120), random);
  DrawAnemone(p, QPointF(520, 560), 60, QColor(250, 120, 170), random);
  DrawAnemone(p, QPointF(180, 590), 50, QColor(140, 220, 170), random);
  for (const qreal x : {20.0, 330.0, 470.0, 760.0})
    DrawWeed(p, QPointF(x, 560 + random.Real(0, 30)), random.Real(120, 200), random);
}

// Clownfish by the anemone, blue tangs, and a school of small yellow fish.
void DrawFishes(QPainter &p, TSceneRandom &random) {
  DrawFish(p, QPointF(560, 470), 46, false, QColor(250, 120, 30), QColor(250, 110, 20),
           QColor(255, 255, 255), 3);
  DrawFish(p, QPointF(470, 440), 38, true, QColor(250, 120, 30), QColor(250, 110, 20),
           QColor(255, 255, 255), 3);
  DrawFish(p, QPointF(250, 300), 90, true, QColor(40, 80, 220), QColor(250, 210, 40), QColor(), 0);
  DrawFish(p, QPointF(660, 230), 70, false, QColor(40, 80, 220), QColor(250, 210, 40), QColor(), 0);
  for (int i = 0; i < 18; ++i) {
    const QPointF at(470 + random.Real(-90, 90), 120 + random.Real(-50, 50));
    DrawFish(p, at, random.Real(18, 26), false, QColor(250, 220, 50), QColor(240, 200, 40),
             QColor(40, 40, 40), 1);
  }
}

void DrawBubbles(QPainter &p, TSceneRandom &random) {
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 40; ++i) {
    const qreal r = random.Real(2, 7);
    const QPointF c(random.Real(200, 330) + (i % 2) * 300, random.Real(20, 480));
    p.setPen(QPen(QColor(230, 250, 255, 180), 1.2));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c - QPointF(r * 0.35, r * 0.35), r * 0.25, r * 0.25);
    p.setBrush(Qt::NoBrush);
  }
}

} // namespace

QImage PaintCoralReef(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / Design, size.width() / Design);
  TSceneRandom random(2601);
  DrawWaterAndSand(p, random);
  DrawCorals(p, random);
  DrawFishes(p, random);
  DrawBubbles(p, random);
  p.end();
  return image;
}
