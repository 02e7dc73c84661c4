#pragma once
// Drawing helpers shared by the painted pictures: colour mixing, a seeded random source (so
// every run paints the same pixels), gradients, skies, clouds, ridges and outlined lettering.

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <initializer_list>
#include <utility>

using TColourStops = std::initializer_list<std::pair<qreal, QColor>>;

// t = 0 gives a, t = 1 gives b; alpha is mixed too.
QColor Mix(const QColor &a, const QColor &b, double t);

// A random source with a fixed seed: each picture takes its own, so changing one picture
// leaves the others byte for byte the same.
class TSceneRandom {
public:
  explicit TSceneRandom(quint32 seed) : Generator(seed) {}
  double Real(double low, double high) { return low + Generator.generateDouble() * (high - low); }
  int Int(int low, int highExclusive) { return low + int(Generator.bounded(highExclusive - low)); }
  bool Chance(double p) { return Generator.generateDouble() < p; }

private:
  QRandomGenerator Generator;
};

QLinearGradient Vertical(qreal top, qreal bottom, TColourStops stops);
QLinearGradient Horizontal(qreal left, qreal right, TColourStops stops);

// A soft round light: full colour at the centre, transparent at the radius.
void DrawGlow(QPainter &p, QPointF centre, qreal radius, const QColor &colour);

// Stars of varied size and brightness scattered over an area.
void DrawStars(QPainter &p, const QRectF &area, int count, qreal maxRadius, TSceneRandom &random);

// A puffy cloud of overlapping ellipses, lit from above.
void DrawCloud(QPainter &p, QPointF centre, qreal width, const QColor &lit, const QColor &shade,
               TSceneRandom &random);

// A jagged skyline from left to right by midpoint displacement, closed down to the bottom
// edge: mountains, hills and dunes. roughness is the first displacement in pixels.
QPainterPath RidgePath(const QRectF &box, qreal leftY, qreal rightY, qreal roughness, int depth,
                       TSceneRandom &random);

QFont PixelFont(const QString &family, int pixelSize, int weight = QFont::Bold);

// Lettering as a path whose baseline is centred on the given point; spacing adds pixels
// between the letters.
QPainterPath CentredText(const QFont &font, const QString &text, QPointF baselineCentre,
                         qreal spacing = 0);

// Fills a text path with a brush over a wider dark outline and a soft drop shadow, so the
// lettering reads on any background.
void DrawLettering(QPainter &p, const QPainterPath &text, const QBrush &fill, const QColor &outline,
                   qreal outlineWidth, QPointF shadowOffset);
