#include "app/GameStyle.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

int TGameStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *returnData) const {
  if (hint == SH_MenuBar_AltKeyNavigation)
    return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon TGameStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                               const QWidget *widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
    return QProxyStyle::standardIcon(icon, option, widget);
  // A double chevron pointing the way the hidden menus lie.
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(80, 80, 80), 1.5));
  if (icon == SP_ToolBarVerticalExtensionButton) {
    p.translate(12, 0);
    p.rotate(90);
  }
  for (int x : {2, 6}) {
    p.drawLine(QPointF(x, 2.5), QPointF(x + 3.5, 6));
    p.drawLine(QPointF(x + 3.5, 6), QPointF(x, 9.5));
  }
  p.end();
  return QIcon(pixmap);
}
