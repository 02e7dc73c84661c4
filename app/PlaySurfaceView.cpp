#include "app/PlaySurfaceView.h"

#include "media/PlaySurface.h"

#include <QPaintEvent>
#include <QPainter>

TPlaySurfaceView::TPlaySurfaceView(TPlaySurface &surface, QWidget *parent)
    : QWidget(parent), Surface(surface) {
  setObjectName("Display");
  setFixedSize(surface.SurfaceWidth(), surface.SurfaceHeight());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TPlaySurfaceView::SetFactor(int factor) {
  Scale = factor;
  setFixedSize(Surface.SurfaceWidth() * factor, Surface.SurfaceHeight() * factor);
  update();
}

void TPlaySurfaceView::ShowChanged(const QRect &area) {
  // Painted and sent to the window system within the frame: a posted update would wake the
  // event loop once more for every frame that moves a block.
  repaint(QRect(area.topLeft() * Scale, area.size() * Scale));
}

void TPlaySurfaceView::paintEvent(QPaintEvent *event) {
  QPainter p(this);
  const QImage &buffer = Surface.Surface().Image();
  if (buffer.isNull()) {
    p.fillRect(event->rect(), Qt::black);
    return;
  }
  // Nearest neighbour at a whole factor, as the window picture around it.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.scale(Scale, Scale);
  const QRect source =
      p.transform().inverted().mapRect(event->rect()).adjusted(-1, -1, 1, 1) & buffer.rect();
  p.drawImage(source, buffer, source);
}
