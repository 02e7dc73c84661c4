// Hot-air balloons rising over patchwork fields on a clear morning.
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Scenes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal Design = 210; // design units across (270 down)

// The envelope: round on top, narrowing to the mouth; gores in alternating colours.
QPainterPath Envelope(QPointF top, qreal width) {
  const qreal h = width * 1.2;
  QPainterPath env(QPointF(top.x() - width * 0.16, top.y() + h));
  env.cubicTo(QPointF(top.x() - width * 0.6, top.y() + h * 0.55),
              QPointF(top.x() - width * 0.62, top.y()), QPointF(top.x(), top.y()));
  env.cubicTo(QPointF(top.x() + width * 0.62, top.y()),
              QPointF(top.x() + width * 0.6, top.y() + h * 0.55),
              QPointF(top.x() + width * 0.16, top.y() + h));
  env.closeSubpath();
  return env;
}

void DrawBalloon(QPainter &p, QPointF top, qreal width, const QColor &a, const QColor &b) {
  const QPainterPath env = Envelope(top, width);
  const qreal h = width * 1.2;
  p.save();
  p.setClipPath(env);
  p.setPen(Qt::NoPen);
  p.fillRect(env.boundingRect(), a);
  // Gores: curved bands that follow the roundness of the envelope.
  const int gores = 8;
  for (int i = 0; i < gores; i += 2) {
    const qreal x0 = -1 + 2.0 * i / gores, x1 = -1 + 2.0 * (i + 1) / gores;
    QPainterPath gore(QPointF(top.x(), top.y()));
    gore.cubicTo(QPointF(top.x() + x0 * width * 0.62, top.y() + h * 0.1),
                 QPointF(top.x() + x0 * width * 0.6, top.y() + h * 0.6),
                 QPointF(top.x(), top.y() + h * 1.05));
    gore.cubicTo(QPointF(top.x() + x1 * width * 0.6, top.y() + h * 0.6),
                 QPointF(top.x() + x1 * width * 0.62, top.y() + h * 0.1),
                 QPointF(top.x(), top.y()));
    p.setBrush(b);
    p.drawPath(gore);
  }
  // A band round the waist.
  p.setBrush(Mix(a, Qt::white, 0.5));
  p.drawRect(QRectF(top.x() - width, top.y() + h * 0.58, width * 2, h * 0.06));
  // Sunlight from the left, shade on the right.
  p.setBrush(Horizontal(top.x() - width * 0.55, top.x() + width * 0.55,
                        {{0, QColor(255, 255, 240, 110)},
                         {0.45, QColor(255, 255, 255, 0)},
                         {1, QColor(0, 0, 30, 110)}}));
  p.drawRect(env.boundingRect());
  p.restore();
  p.setPen(QPen(Mix(b, Qt::black, 0.5), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(env);

  // Ropes and basket.
  const qreal mouth = top.y() + h;
  const qreal basketTop = mouth + width * 0.22;
  const qreal bw = width * 0.2;
  p.setPen(QPen(QColor(70, 50, 30), 0.6));
  p.drawLine(QPointF(top.x() - width * 0.15, mouth), QPointF(top.x() - bw / 2, basketTop));
  p.drawLine(QPointF(top.x() + width * 0.15, mouth), QPointF(top.x() + bw / 2, basketTop));
  p.setPen(QPen(QColor(80, 50, 20), 0.6));
  p.setBrush(Vertical(basketTop, basketTop + bw * 0.8,
                      {{0, QColor(190, 130, 70)}, {1, QColor(120, 75, 35)}}));
  p.drawRect(QRectF(top.x() - bw / 2, basketTop, bw, bw * 0.8));
}

} // namespace

QImage PaintBalloons(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / Design, size.width() / Design);
  const qreal bottom = size.height() * Design / size.width();
  TSceneRandom random(2701);

  p.fillRect(QRectF(0, 0, Design, bottom), Vertical(0, 200,
                                                    {{0, QColor(90, 160, 230)},
                                                     {0.7, QColor(180, 215, 240)},
                                                     {1, QColor(255, 225, 190)}}));
  DrawGlow(p, QPointF(30, 190), 70, QColor(255, 230, 170, 200));
  for (int i = 0; i < 3; ++i)
    DrawCloud(p, QPointF(random.Real(10, 200), random.Real(30, 140)), random.Real(50, 80),
              QColor(255, 255, 255, 220), QColor(215, 220, 240, 200), random);

  // Hills and a patchwork of fields.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 160, 170));
  p.drawPath(RidgePath(QRectF(0, 170, Design, 100), 196, 186, 10, 5, random));
  const QColor fields[] = {QColor(120, 170, 60), QColor(200, 190, 80), QColor(90, 140, 60),
                           QColor(160, 190, 80), QColor(210, 160, 70), QColor(70, 120, 60)};
  for (int row = 0; row < 6; ++row) {
    const qreal y0 = 200 + row * row * 2.2 + row * 4;
    const qreal y1 = 200 + (row + 1) * (row + 1) * 2.2 + (row + 1) * 4;
    qreal x = -random.Real(0, 30);
    while (x < Design) {
      const qreal w = random.Real(25, 60) * (1 + row * 0.3);
      QPainterPath field;
      field.moveTo(x, y0);
      field.lineTo(x + w, y0);
      field.lineTo(x + w * 1.1 + 4, y1);
      field.lineTo(x - 4, y1);
      field.closeSubpath();
      p.setBrush(fields[random.Int(0, 6)]);
      p.drawPath(field);
      x += w;
    }
  }
  // Hedgerows between the fields and a few trees.
  p.setPen(QPen(QColor(50, 90, 40), 0.8));
  for (int row = 1; row < 6; ++row) {
    const qreal y = 200 + row * row * 2.2 + row * 4;
    p.drawLine(QPointF(0, y), QPointF(Design, y));
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    const QPointF t(random.Real(0, Design), random.Real(205, bottom));
    const qreal r = 1.5 + (t.y() - 200) / 25;
    p.setBrush(QColor(40, 90, 40));
    p.drawEllipse(t, r, r);
  }

  DrawBalloon(p, QPointF(150, 108), 26, QColor(60, 120, 220), QColor(250, 250, 250));
  DrawBalloon(p, QPointF(40, 70), 34, QColor(250, 210, 40), QColor(40, 170, 90));
  DrawBalloon(p, QPointF(108, 20), 62, QColor(230, 50, 50), QColor(250, 170, 30));
  p.end();
  return image;
}
