#include "media/GameImageList.h"

#include <QtGlobal>

void FillGameImageList(TImageList &list, const QImage &figure, const QImage &small) {
  Q_ASSERT(list.Count() == 0);
  struct TRow {
    const char *Name;
    bool Transparent;
    QRgb Key;
  };
  static const TRow Rows[] = {
      {"Figure", true, qRgb(255, 0, 0)},    {"Starting", false, qRgb(0, 0, 0)},
      {"BackGround", false, qRgb(0, 0, 0)}, {"Puzzle", false, qRgb(255, 255, 255)},
      {"GameOver", false, qRgb(0, 0, 0)},   {"Small", true, qRgb(216, 83, 3)},
  };
  for (const TRow &row : Rows) {
    TImageListItem &item = list.Add();
    item.SetName(QString::fromLatin1(row.Name));
    item.SetTransparent(row.Transparent);
    item.SetTransparentColor(row.Key);
  }
  list.Items(ImageFigure).SetPicture(figure);
  list.Items(ImageSmall).SetPicture(small);
}
