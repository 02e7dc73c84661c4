#pragma once
// Where the main window may open: a stored position is used as it is while the whole window
// (with the frame a window manager puts around it) lies on one screen. Any other position,
// such as one stored while a second monitor was attached, is moved the shortest way onto the
// nearest screen, so the window can never open out of sight.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

// Room kept for a window manager's frame around the client area when the window is moved.
inline constexpr QMargins TypicalFrame{8, 32, 8, 8};

// clientTopLeft and size: the client area; screens: each screen's available area.
// Returns the client area's top-left corner to use.
QPoint KeepOnScreen(QPoint clientTopLeft, QSize size, const QList<QRect> &screens,
                    QMargins frame = TypicalFrame);
