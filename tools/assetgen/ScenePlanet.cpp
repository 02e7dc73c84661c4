// A ringed planet and two moons in deep space, with a nebula and a far sun lighting them from
// the upper left.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr qreal Design = 900;
const QPointF Light(-0.55, -0.6); // direction the light comes from (unit-ish, screen axes)

// Night side of a sphere: a soft-edged shadow offset away from the light.
void DrawTerminator(QPainter &p, QPointF centre, qreal radius, int darkness) {
  QRadialGradient shade(centre + QPointF(Light.x() * radius * 0.6, Light.y() * radius * 0.6),
                        radius * 1.45);
  shade.setColorAt(0, QColor(0, 0, 0, 0));
  shade.setColorAt(0.35, QColor(0, 0, 0, 0));
  shade.setColorAt(0.62, QColor(0, 0, 10, darkness / 2));
  shade.setColorAt(0.8, QColor(0, 0, 10, darkness));
  shade.setColorAt(1, QColor(0, 0, 10, 250));
  p.setBrush(shade);
  p.drawEllipse(centre, radius, radius);
}

void DrawPlanetBody(QPainter &p, QPointF centre, qreal radius, TSceneRandom &random) {
  QPainterPath globe;
  globe.addEllipse(centre, radius, radius);
  p.save();
  p.setClipPath(globe);
  p.setPen(Qt::NoPen);
  p.fillRect(globe.boundingRect(), QColor(210, 160, 100));
  // Cloud bands, curved slightly as they would be on a tilted sphere.
  const QColor bands[] = {QColor(230, 190, 130), QColor(190, 120, 70),  QColor(240, 215, 170),
                          QColor(170, 100, 60),  QColor(220, 170, 110), QColor(150, 90, 70)};
  qreal y = centre.y() - radius;
  int i = 0;
  while (y < centre.y() + radius) {
    const qreal h = random.Real(radius * 0.05, radius * 0.16);
    QPainterPath band;
    band.moveTo(centre.x() - radius, y);
    band.quadTo(QPointF(centre.x(), y + radius * 0.12), QPointF(centre.x() + radius, y));
    band.lineTo(centre.x() + radius, y + h);
    band.quadTo(QPointF(centre.x(), y + h + radius * 0.12), QPointF(centre.x() - radius, y + h));
    band.closeSubpath();
    p.setBrush(bands[i % 6]);
    p.drawPath(band);
    // Swirls along the band edge.
    p.setBrush(Mix(bands[(i + 1) % 6], Qt::white, 0.2));
    for (int s = 0; s < 4; ++s) {
      const qreal sx = centre.x() + random.Real(-radius, radius);
      p.drawEllipse(
          QPointF(sx, y + h + radius * 0.1 * (1 - std::pow((sx - centre.x()) / radius, 2))),
          random.Real(6, 18), random.Real(2, 5));
    }
    y += h;
    ++i;
  }
  // A great storm.
  const QPointF storm = centre + QPointF(-radius * 0.3, -radius * 0.1);
  p.setBrush(QColor(200, 90, 60));
  p.drawEllipse(storm, radius * 0.13, radius * 0.07);
  p.setBrush(QColor(230, 140, 100));
  p.drawEllipse(storm, radius * 0.08, radius * 0.04);
  DrawTerminator(p, centre, radius, 200);
  // Atmosphere glow on the lit limb.
  QRadialGradient limb(centre, radius);
  limb.setColorAt(0.85, QColor(255, 240, 200, 0));
  limb.setColorAt(1, QColor(255, 240, 200, 90));
  p.setBrush(limb);
  p.drawEllipse(centre, radius, radius);
  p.restore();
}

// The rings as a flattened annulus; half selects the part behind (false) or in front (true).
void DrawRings(QPainter &p, QPointF centre, qreal radius, bool front) {
  p.save();
  p.translate(centre);
  p.rotate(-18);
  QRectF clip(-radius * 2.6, front ? 0 : -radius * 2, radius * 5.2, radius * 2);
  p.setClipRect(clip);
  const struct {
    qreal inner, outer;
    QColor colour;
  } rings[] = {{1.25, 1.55, QColor(200, 170, 130, 150)},
               {1.58, 1.95, QColor(230, 205, 160, 210)},
               {2.02, 2.12, QColor(190, 160, 120, 160)},
               {2.16, 2.35, QColor(170, 140, 110, 120)}};
  p.setPen(Qt::NoPen);
  for (const auto &ring : rings) {
    QPainterPath band;
    band.addEllipse(QPointF(), radius * ring.outer, radius * ring.outer * 0.26);
    band.addEllipse(QPointF(), radius * ring.inner, radius * ring.inner * 0.26);
    p.setBrush(ring.colour);
    p.drawPath(band);
  }
  p.restore();
}

void DrawMoon(QPainter &p, QPointF centre, qreal radius, const QColor &surface,
              TSceneRandom &random) {
  QPainterPath globe;
  globe.addEllipse(centre, radius, radius);
  p.save();
  p.setClipPath(globe);
  p.setPen(Qt::NoPen);
  QRadialGradient body(centre + QPointF(Light.x() * radius * 0.5, Light.y() * radius * 0.5),
                       radius * 1.5);
  body.setColorAt(0, Mix(surface, Qt::white, 0.3));
  body.setColorAt(1, Mix(surface, Qt::black, 0.3));
  p.setBrush(body);
  p.drawEllipse(centre, radius, radius);
  for (int i = 0; i < 16; ++i) {
    const qreal a = random.Real(0, 2 * M_PI);
    const qreal d = radius * std::sqrt(random.Real(0, 0.85));
    const QPointF c = centre + QPointF(std::cos(a) * d, std::sin(a) * d);
    const qreal r = radius * random.Real(0.05, 0.18);
    p.setBrush(Mix(surface, Qt::black, 0.3));
    p.drawEllipse(c, r, r);
    p.setBrush(Mix(surface, Qt::white, 0.15));
    p.drawEllipse(c + QPointF(r * 0.15, r * 0.15), r * 0.8, r * 0.8);
  }
  DrawTerminator(p, centre, radius, 220);
  p.restore();
}

} // namespace

QImage PaintPlanet(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / Design, size.height() / Design);
  TSceneRandom random(2401);

  QRadialGradient space(QPointF(450, 450), 700);
  space.setColorAt(0, QColor(24, 16, 48));
  space.setColorAt(1, QColor(2, 2, 10));
  p.fillRect(QRectF(0, 0, Design, Design), space);
  // Nebula: overlapping clouds of coloured gas.
  for (int i = 0; i < 26; ++i) {
    const qreal t = random.Real(0, 1);
    const QPointF at(620 + t * 300 + random.Real(-120, 120), 700 - t * 520 + random.Real(-90, 90));
    const QColor gas = random.Chance(0.5) ? QColor(200, 60, 160, 45) : QColor(60, 110, 220, 45);
    DrawGlow(p, at, random.Real(80, 200), gas);
  }
  DrawStars(p, QRectF(0, 0, Design, Design), 600, 2.4, random);
  // The far sun beyond the upper-left corner.
  DrawGlow(p, QPointF(-60, -60), 420, QColor(255, 230, 180, 120));

  const QPointF planet(420, 470);
  const qreal radius = 190;
  DrawRings(p, planet, radius, false);
  DrawPlanetBody(p, planet, radius, random);
  DrawRings(p, planet, radius, true);

  DrawMoon(p, QPointF(770, 190), 62, QColor(190, 190, 200), random);
  DrawMoon(p, QPointF(150, 790), 34, QColor(200, 150, 120), random);
  p.end();
  return image;
}
