// The pictures compiled into the program: the eight block pictures, the image-list templates
// "Figure" and "Small", the start-key prompt and the pause banner.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/BlockPainter.h"
#include "tools/assetgen/Bmp16.h"
#include "tools/assetgen/CellColours.h"
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Pictures.h"

#include <QPainter>

namespace {

constexpr int BlockSize = 18;
constexpr int SmallSize = 12;

// Four blocks to a row, block k at column k % 4 and row k / 4.
QImage PaintParts() {
  QImage parts(4 * BlockSize, 2 * BlockSize, QImage::Format_RGB32);
  QPainter p(&parts);
  for (int k = 0; k < int(CellColours.size()); ++k)
    p.drawImage((k % 4) * BlockSize, (k / 4) * BlockSize,
                PaintBlock(BlockSize, QColor(CellColours[size_t(k)])));
  return parts;
}

// A dark translucent plate with a gold rim: the prompt stays legible over bright pictures.
void DrawPlate(QPainter &p, const QRectF &box, qreal radius, int alpha) {
  p.setPen(QPen(QColor(236, 190, 72), 1.0));
  p.setBrush(Vertical(box.top(), box.bottom(),
                      {{0, QColor(40, 46, 78, alpha)}, {1, QColor(8, 10, 22, alpha)}}));
  p.drawRoundedRect(box, radius, radius);
}

QImage PaintPressSpace() {
  QImage prompt(112, 21, QImage::Format_ARGB32_Premultiplied);
  prompt.fill(Qt::transparent);
  QPainter p(&prompt);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPlate(p, QRectF(0.5, 0.5, 111, 20), 5, 215);

  // "Press" in white, then the key itself drawn as a key cap with its name.
  const QFont font = PixelFont("Liberation Sans", 11, QFont::Bold);
  const QPainterPath press = CentredText(font, "Press", QPointF(25, 14.5));
  DrawLettering(p, press, QColor(245, 245, 245), QColor(0, 0, 0, 200), 0.8, QPointF());

  const QRectF cap(46.5, 3.5, 60, 14);
  p.setPen(QPen(QColor(120, 80, 10), 1.0));
  p.setBrush(Vertical(
      cap.top(), cap.bottom(),
      {{0, QColor(255, 236, 120)}, {0.5, QColor(250, 200, 50)}, {1, QColor(214, 140, 20)}}));
  p.drawRoundedRect(cap, 3, 3);
  const QPainterPath key = CentredText(PixelFont("Liberation Sans", 10, QFont::Black), "SPACE",
                                       QPointF(cap.center().x(), 14.2), 1.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 30, 0));
  p.drawPath(key);
  return prompt;
}

QImage PaintPauseBanner() {
  QImage banner(474, 121, QImage::Format_ARGB32_Premultiplied);
  banner.fill(Qt::transparent);
  QPainter p(&banner);
  p.setRenderHint(QPainter::Antialiasing);

  const QRectF outer(1.5, 1.5, 471, 118);
  DrawPlate(p, outer, 16, 225);
  p.setPen(QPen(QColor(236, 190, 72, 150), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(outer.adjusted(5, 5, -5, -5), 12, 12);

  // A falling piece on each side ties the banner to the game.
  auto piece = [&](int x, int y, int colour, const QList<QPoint> &cells) {
    DrawBlocks(p, QPointF(x, y), 16, 1, QColor(CellColours[size_t(colour)]), cells);
  };
  piece(26, 26, 1, {{0, 0}, {0, 1}, {0, 2}, {1, 2}});
  piece(38, 82, 7, {{0, 0}, {1, 0}, {2, 0}, {3, 0}});
  piece(397, 22, 2, {{1, 0}, {0, 1}, {1, 1}, {2, 1}});
  piece(414, 58, 6, {{0, 0}, {1, 0}, {1, 1}, {1, 2}});

  const QPainterPath title =
      CentredText(PixelFont("Liberation Serif", 58, QFont::Bold), "PAUSED", QPointF(237, 70), 6);
  const QRectF ink = title.boundingRect();
  DrawLettering(p, title,
                Vertical(ink.top(), ink.bottom(),
                         {{0, QColor(255, 248, 200)},
                          {0.45, QColor(250, 205, 70)},
                          {0.55, QColor(230, 160, 30)},
                          {1, QColor(255, 220, 110)}}),
                QColor(30, 14, 0), 2.0, QPointF(2, 3));

  const QPainterPath hint = CentredText(PixelFont("Liberation Sans", 16, QFont::Bold),
                                        "press P or Up to resume", QPointF(237, 101), 0.5);
  DrawLettering(p, hint, QColor(200, 226, 255), QColor(0, 0, 0, 220), 1.2, QPointF());
  return banner;
}

} // namespace

void WriteBuiltinPictures(TAssetFolder &folder) {
  folder.SaveBytes("Parts.bmp", EncodeBmp16(PaintParts()));
  // The image-list templates are 24-bit pictures without any transparent-key pixels: the game
  // replaces "Figure" by a block picture and uses "Small" only for its size.
  folder.SaveImage(
      "Figure.bmp",
      PaintBlock(BlockSize, QColor(CellColours[3])).convertToFormat(QImage::Format_RGB888));
  folder.SaveImage(
      "Small.bmp",
      PaintBlock(SmallSize, QColor(CellColours[7])).convertToFormat(QImage::Format_RGB888));
  folder.SaveImage("PressSP.png", PaintPressSpace());
  folder.SaveImage("PauseL.png", PaintPauseBanner());
}
