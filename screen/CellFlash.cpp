#include "screen/CellFlash.h"

#include "rules/PictureCells.h"
#include "screen/CellGrid.h"
#include "screen/PlayScreen.h"

#include <QPainter>

bool TCellFlash::Step(bool pieceFalling, const TPictureCells &cells, QPoint target) {
  bool over = true;
  Screen.Shown().DrawPart([&] {
    QPainter p(&Screen.Picture());
    if (!pieceFalling) {
      if (Tick == 1)
        p.fillRect(Rect, QColor(Colour));
      End();
    } else if (Tick == 0) {
      Free = false;
      Colour = CellColour(cells.Cell(target.x(), target.y()).ColourIndex);
      const QRect cell = cells.Layout().CellRect(target.x(), target.y());
      Rect = QRect(cell.left() + 1, cell.top() + 1, cell.width() - 1, cell.height() - 1);
      p.fillRect(Rect, Qt::black);
      Tick = 1;
      over = false;
    } else {
      p.fillRect(Rect, QColor(Colour));
      End();
    }
    return QRegion(Rect);
  });
  Screen.Shown().ShowIfChanged();
  return over;
}

void TCellFlash::End() {
  Tick = 0;
  Free = true;
}
