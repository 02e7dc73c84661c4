#pragma once
// The program's look: the desktop's own style, with two changes for a game window. Set on the
// application before the first window is made.

#include <QProxyStyle>

class TGameStyle : public QProxyStyle {
public:
  // Alt alone would put the menu bar in keyboard mode, where it takes the game's keys. The
  // menus still open with their Alt+letter keys and the mouse.
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override;
  // The arrow of a menu bar too narrow for its menus is drawn here. The style's own comes from
  // a file whose type Qt guesses by loading every image plugin installed, which made every
  // start-up load them all.
  QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                     const QWidget *widget) const override;
};
