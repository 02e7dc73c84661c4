#include "screen/CellFlash.h"

#include "rules/PictureCells.h"
#include "screen/CellGrid.h"
#include "screen/PlayScreen.h"

#include <QPainter>

bool TCellFlash::Step(bool pieceFalling, const TPictureCells &cells) {
  bool over = true;
  Screen.DrawPart([&] {
    QPainter p(&Screen.Picture());
    if (!pieceFalling) {
      if (Tick == 1)
        p.fillRect(Rect, QColor(Colour));
      End();
    } else if (Tick == 0) {
      Free = false;
      const int col = cells.TargetCellCol(), row = cells.TargetCellRow();
      Colour = CellColour(cells.Cell(col, row).ColourIndex);
      const QRect cell = cells.Layout().CellRect(col, row);
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
  Screen.ShowIfChanged();
  return over;
}

void TCellFlash::End() {
  Tick = 0;
  Free = true;
}
