#pragma once
// Where the builder window opens: the author must see the preview it draws on the main window,
// so it never opens over the main window while the screen has room for both. It goes back to
// where it last was when that place is still clear and on a screen; otherwise it goes right of
// the main window, else left, below or above. When none of those is clear where the main
// window stands but the main window's screen can hold both windows, the main window moves the
// least it must to make room beside it (a 1024 x 768 screen holds both only one above the
// other). Only a screen too small for both gets the builder over part of the main window, on
// the place that covers the least of it.

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

struct TBuilderPlacement {
  QPoint Builder; // top-left corner of the builder's frame
  QPoint Main;    // top-left corner of the main window's frame: where it is, or where it must go
};

// builderFrame: the builder's size with its window frame; mainFrame: the main window with its
// frame; screens: each screen's available area; last: the builder frame's last top-left corner.
TBuilderPlacement PlaceBuilder(QSize builderFrame, QRect mainFrame, const QList<QRect> &screens,
                               std::optional<QPoint> last);
