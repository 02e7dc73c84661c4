#pragma once
// A small filled square showing one box colour; pressing a mouse button on it asks for another.

#include "screen/Canvas.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPalette>

#include <functional>

class TColourSwatch : public QFrame {
public:
  explicit TColourSwatch(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
  }

  std::function<void()> OnMouseDown;

  quint32 Colour() const { return Value; } // window colour, 0x00BBGGRR
  void SetColour(quint32 colour) {
    Value = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(WindowColour(colour)));
    setPalette(p);
  }

protected:
  void mousePressEvent(QMouseEvent *event) override {
    event->accept();
    if (OnMouseDown)
      OnMouseDown();
  }

private:
  quint32 Value = 0;
};
