#include "app/PlaySurfaceView.h"

#include "media/DXDraw.h"

#include <QPaintEvent>
#include <QPainter>

TPlaySurfaceView::TPlaySurfaceView(TDXDraw &surface, QWidget *parent)
    : QWidget(parent), Surface(surface) {
  setObjectName("DXDraw");
  setFixedSize(surface.SurfaceWidth(), surface.SurfaceHeight());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TPlaySurfaceView::paintEvent(QPaintEvent *event) {
  QPainter p(this);
  const QImage &buffer = Surface.Surface().Image();
  if (buffer.isNull())
    p.fillRect(event->rect(), Qt::black);
  else
    p.drawImage(event->rect(), buffer, event->rect());
}
