#include "app/WindowPictureView.h"

#include "app/Game.h"
#include "app/Trace.h"

#include <QPaintEvent>
#include <QPainter>

TWindowPictureView::TWindowPictureView(TGame &game, QWidget *parent) : QWidget(parent), Game(game) {
  setObjectName("ShowImage");
  setFixedSize(600, 400);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TWindowPictureView::paintEvent(QPaintEvent *event) {
  QPainter p(this);
  p.drawImage(event->rect(), Game.WindowPicture(), event->rect());
  for (const TOverlay *overlay : Game.Overlays())
    if (overlay->Visible)
      p.drawImage(overlay->Position, overlay->Picture);
  Trace::Event("painted"); // what the game drew is on the screen from here on
}
