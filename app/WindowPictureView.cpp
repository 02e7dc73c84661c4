#include "app/WindowPictureView.h"

#include "app/Game.h"
#include "app/Trace.h"
#include "app/WindowSize.h"

#include <QPaintEvent>
#include <QPainter>

TWindowPictureView::TWindowPictureView(TGame &game, QWidget *parent) : QWidget(parent), Game(game) {
  setObjectName("ShowImage");
  setFixedSize(PictureSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TWindowPictureView::SetFactor(int factor) {
  Filling = false;
  setFixedSize(PictureSize * factor);
  Layout();
}

void TWindowPictureView::SetFilling() {
  Filling = true;
  setMinimumSize(PictureSize);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  Layout();
}

void TWindowPictureView::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  Layout();
}

void TWindowPictureView::Layout() {
  const int factor = Filling ? LargestFactor(size(), PictureSize) : width() / PictureSize.width();
  const QSize shown = PictureSize * factor;
  const QPoint corner((width() - shown.width()) / 2, (height() - shown.height()) / 2);
  if (factor == Scale && corner == Corner)
    return;
  Scale = factor;
  Corner = corner;
  update();
  if (OnLayoutChanged)
    OnLayoutChanged();
}

void TWindowPictureView::paintEvent(QPaintEvent *event) {
  QPainter p(this);
  const QRect shown(Corner, PictureSize * Scale);
  for (const QRect &outside : event->region().subtracted(shown))
    p.fillRect(outside, Qt::black);
  // Nearest neighbour at a whole factor: each picture pixel becomes a square, nothing blurs.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  p.translate(Corner);
  p.scale(Scale, Scale);
  const QRect source = p.transform().inverted().mapRect(event->rect()).adjusted(-1, -1, 1, 1) &
                       QRect(QPoint(0, 0), PictureSize);
  p.drawImage(source, Game.Screen().Picture(), source);
  for (const TOverlay *overlay : Game.Screen().Overlays().All())
    if (overlay->Visible)
      p.drawImage(overlay->Position, overlay->Picture);
  Trace::Event("painted"); // what the game drew is on the screen from here on
}
