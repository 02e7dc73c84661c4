#pragma once
// The builder window's controls stand at fixed places, as the window always had them: each is
// made with its name (tests and the text fitting find it by that), caption, place and hint.

#include <QRect>
#include <QString>
#include <QWidget>

template <class T>
T *PlacedControl(QWidget *parent, const char *name, const QString &caption, QRect area,
                 const QString &hint = QString()) {
  auto *w = new T(caption, parent);
  w->setObjectName(name);
  w->setGeometry(area);
  w->setToolTip(hint);
  return w;
}
