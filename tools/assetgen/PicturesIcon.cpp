// The program icon: a quarry pit at dusk with a falling block piece above it, in a rounded
// tile. Written as a PNG for the desktop and as an ICO with the usual sizes, and with the
// game-file icon (the program icon on a sheet) in every size of the hicolor icon theme.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/BlockPainter.h"
#include "tools/assetgen/CellColours.h"
#include "tools/assetgen/IconFile.h"
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int IconSize = 256;

// Terraces cut down into the rock, one block row deep each, with the pit floor in the middle.
// Step tops catch the evening light; the risers are banded like quarried sandstone.
constexpr int Block = 28;
constexpr int Gap = 2;

void DrawQuarry(QPainter &p) {
  const qreal tops[] = {140, 168, 196, 226};
  const qreal edges[] = {0, 36, 60, 82}; // left edge of each level; mirrored on the right
  const QColor rock(176, 112, 70);
  const QColor deep(70, 38, 36);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    const qreal top = tops[i];
    // Level i is ground from its own edge to the next deeper one, on both sides of the pit.
    const qreal inner = i < 3 ? edges[i + 1] : IconSize / 2.0;
    const QColor face = Mix(rock, deep, i * 0.18);
    for (const QRectF &part : {QRectF(edges[i], top, inner - edges[i], IconSize - top),
                               QRectF(IconSize - inner, top, inner - edges[i], IconSize - top)}) {
      p.setBrush(Vertical(top, IconSize, {{0, face}, {1, Mix(face, deep, 0.7)}}));
      p.drawRect(part);
      p.setBrush(Mix(face, deep, 0.3));
      for (qreal y = top + 10; y < IconSize; y += 8)
        p.drawRect(QRectF(part.left(), y, part.width(), 1.5));
      // The lit top of the step.
      p.setBrush(Vertical(
          top, top + 5, {{0, QColor(255, 222, 160)}, {1, Mix(face, QColor(255, 200, 140), 0.4)}}));
      p.drawRect(QRectF(part.left(), top, part.width(), 5));
    }
    // The risers of the step below face away from the sun and stand in shade.
    if (i < 3) {
      p.setBrush(
          Horizontal(inner - 6, inner, {{0, QColor(40, 20, 30, 0)}, {1, QColor(40, 20, 30, 110)}}));
      p.drawRect(QRectF(inner - 6, top + 5, 6, IconSize));
      p.setBrush(Horizontal(IconSize - inner, IconSize - inner + 6,
                            {{0, QColor(40, 20, 30, 110)}, {1, QColor(40, 20, 30, 0)}}));
      p.drawRect(QRectF(IconSize - inner, top + 5, 6, IconSize));
    }
  }
}

// Drawn in a 256-pixel space at any size, so the large theme sizes are painted, not stretched.
QImage PaintIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / qreal(IconSize), size / qreal(IconSize));

  const QRectF tile(6, 6, 244, 244);
  QPainterPath shape;
  shape.addRoundedRect(tile, 46, 46);
  p.setClipPath(shape);
  p.fillRect(
      tile,
      Vertical(tile.top(), 160,
               {{0, QColor(22, 30, 84)}, {0.55, QColor(102, 62, 140)}, {1, QColor(250, 150, 80)}}));
  DrawGlow(p, QPointF(128, 170), 110, QColor(255, 210, 130, 220));
  DrawQuarry(p);

  // Two settled rows on the pit floor, with a gap that the falling piece will fill.
  const QPointF floor(84, 226 - Block);
  const QPointF row2 = floor - QPointF(0, Block + Gap);
  DrawBlocks(p, floor, Block, Gap, QColor(CellColours[2]), {{0, 0}, {1, 0}});
  DrawBlocks(p, floor, Block, Gap, QColor(CellColours[6]), {{2, 0}, {2, -1}});
  DrawBlocks(p, row2, Block, Gap, QColor(CellColours[7]), {{0, 0}});

  const int pieceY = 52;
  p.setPen(Qt::NoPen);
  p.setBrush(
      Vertical(14, pieceY - 2, {{0, QColor(255, 255, 255, 0)}, {1, QColor(255, 240, 190, 160)}}));
  for (int i = 0; i < 3; ++i) {
    const qreal x = floor.x() + i * (Block + Gap) + Block / 2.0;
    p.drawRoundedRect(QRectF(x - 4, 14, 8, pieceY - 14), 4, 4);
  }
  DrawBlocks(p, QPointF(floor.x(), pieceY), Block, Gap, QColor(CellColours[1]),
             {{0, 0}, {1, 0}, {2, 0}, {1, 1}});

  p.setClipping(false);
  p.setPen(QPen(QColor(255, 255, 255, 90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 44, 44);
  p.setPen(QPen(QColor(20, 12, 30), 3));
  p.drawRoundedRect(tile, 46, 46);
  return icon;
}

// A sheet with a turned-down corner carrying the program icon, as file managers show a game.
QImage PaintGameFileIcon(const QImage &programIcon) {
  const int size = programIcon.width();
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal unit = size / 16.0;
  const QRectF sheet(2 * unit, 0.5 * unit, 12 * unit, 15 * unit);
  const qreal fold = 4 * unit;
  QPainterPath outline;
  outline.moveTo(sheet.topLeft());
  outline.lineTo(sheet.right() - fold, sheet.top());
  outline.lineTo(sheet.right(), sheet.top() + fold);
  outline.lineTo(sheet.bottomRight());
  outline.lineTo(sheet.bottomLeft());
  outline.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 100), qMax(1.0, unit / 3)));
  p.setBrush(Vertical(sheet.top(), sheet.bottom(),
                      {{0, QColor(252, 252, 250)}, {1, QColor(222, 224, 230)}}));
  p.drawPath(outline);
  QPainterPath corner;
  corner.moveTo(sheet.right() - fold, sheet.top());
  corner.lineTo(sheet.right() - fold, sheet.top() + fold);
  corner.lineTo(sheet.right(), sheet.top() + fold);
  corner.closeSubpath();
  p.setBrush(QColor(200, 202, 210));
  p.drawPath(corner);
  p.drawImage(QRectF(3 * unit, 5 * unit, 10 * unit, 10 * unit), programIcon);
  return icon;
}

} // namespace

void WriteIconPictures(TAssetFolder &folder) {
  const QImage large = PaintIcon(512);
  const QImage largeFile = PaintGameFileIcon(large);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString theme = QStringLiteral("icons/hicolor/%1x%1/").arg(size);
    const auto scaled = [size](const QImage &image) {
      return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    folder.SaveImage(theme + "apps/quarrybox.png", scaled(large));
    folder.SaveImage(theme + "mimetypes/application-x-quarrybox-game.png", scaled(largeFile));
  }
  const QImage icon = PaintIcon(IconSize);
  folder.SaveImage("quarrybox.png", icon);
  QList<QImage> sizes;
  for (int size : {16, 32, 48})
    sizes << icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  sizes << icon;
  const QByteArray ico = EncodeIcon(sizes);
  if (ico.isEmpty())
    folder.Report("cannot encode quarrybox1.ico");
  else
    folder.SaveBytes("quarrybox1.ico", ico);
}
