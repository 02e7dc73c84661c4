#pragma once
// Where the builder window opens: the author must see the preview it draws on the main window,
// so it never opens over the main window while the screen has room beside it. It goes back to
// where it last was when that place is still clear and on a screen; otherwise it goes right of
// the main window, else left, below or above. With no room anywhere it takes the place on the
// main window's screen that covers the least of the main window.

#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// builderFrame: the builder's size with its window frame; mainFrame: the main window with its
// frame; screens: each screen's available area; last: the builder frame's last top-left corner.
// Returns the top-left corner of the builder's frame.
QPoint PlaceBuilder(QSize builderFrame, QRect mainFrame, const QList<QRect> &screens,
                    std::optional<QPoint> last);
