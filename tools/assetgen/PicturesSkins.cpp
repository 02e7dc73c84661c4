// The default game's three skins (start, playing, game over) and the level-end backdrop
// MidPic.jpg, all 600 x 400 JPEGs.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/BlockPainter.h"
#include "tools/assetgen/CellColours.h"
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Width = 600;
constexpr int Height = 400;

QColor Cell(int index) { return QColor(CellColours[size_t(index)]); }

QImage NewSkin() {
  QImage skin(Width, Height, QImage::Format_RGB32);
  skin.fill(Qt::black);
  return skin;
}

// A dry-stone wall of irregular blocks over dark mortar, each stone lit from the upper left.
void DrawStoneWall(QPainter &p, const QRectF &area, TSceneRandom &random) {
  p.save();
  p.setClipRect(area);
  p.fillRect(area, QColor(34, 30, 28));
  qreal y = area.top() - random.Real(0, 10);
  while (y < area.bottom()) {
    const qreal rowHeight = random.Real(19, 27);
    qreal x = area.left() - random.Real(0, 40);
    while (x < area.right()) {
      const qreal w = random.Real(28, 64);
      const QRectF stone(x + 1.5, y + 1.5, w - 3, rowHeight - 3);
      const int tone = random.Int(-20, 21);
      const int warmth = random.Int(-8, 9);
      const QColor base(116 + tone + warmth, 104 + tone, 90 + tone - warmth);
      p.setPen(Qt::NoPen);
      QLinearGradient g(stone.topLeft(), stone.bottomRight());
      g.setColorAt(0, Mix(base, QColor(235, 225, 205), 0.25));
      g.setColorAt(0.5, base);
      g.setColorAt(1, Mix(base, QColor(30, 24, 20), 0.35));
      p.setBrush(g);
      p.drawRoundedRect(stone, 3, 3);
      // Chisel marks: a few faint strokes across the face.
      p.setPen(QPen(QColor(60, 50, 40, 60), 1));
      for (int i = 0; i < 3; ++i) {
        const qreal sx = stone.left() + random.Real(4, std::max(5.0, stone.width() - 10));
        const qreal sy = stone.top() + random.Real(3, stone.height() - 3);
        p.drawLine(QPointF(sx, sy), QPointF(sx + random.Real(3, 8), sy + random.Real(-2, 2)));
      }
      x += w;
    }
    y += rowHeight;
  }
  p.restore();
}

// A dark recess sunk into the wall with a bevelled bronze rim around its exact area, so text
// drawn inside it by the game reads in white, yellow and cyan.
void DrawRecess(QPainter &p, const QRect &area, int rim, const QColor &top, const QColor &bottom) {
  const QRectF outer = QRectF(area).adjusted(-rim, -rim, rim, rim);
  p.setPen(Qt::NoPen);
  // Rim: lit upper-left half, shaded lower-right half.
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawRoundedRect(outer.adjusted(-2, -2, 3, 3), rim + 2, rim + 2);
  QLinearGradient metal(outer.topLeft(), outer.bottomRight());
  metal.setColorAt(0, QColor(240, 200, 120));
  metal.setColorAt(0.5, QColor(170, 118, 52));
  metal.setColorAt(1, QColor(96, 60, 24));
  p.setBrush(metal);
  p.drawRoundedRect(outer, rim, rim);
  p.setBrush(Vertical(area.top(), area.bottom() + 1, {{0, top}, {1, bottom}}));
  p.drawRect(QRectF(area));
  // The inner shadow cast by the upper rim.
  p.setBrush(
      Vertical(area.top(), area.top() + 6, {{0, QColor(0, 0, 0, 140)}, {1, QColor(0, 0, 0, 0)}}));
  p.drawRect(QRectF(area.left(), area.top(), area.width(), 6));
}

// Letters cut into stone: a dark glyph with a light lower edge.
void DrawEngraved(QPainter &p, const QString &text, QPointF baselineCentre, int pixelSize) {
  const QPainterPath glyphs =
      CentredText(PixelFont("Liberation Sans", pixelSize, QFont::Black), text, baselineCentre, 1.5);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 215, 190, 150));
  p.drawPath(glyphs.translated(0.8, 1));
  p.setBrush(QColor(28, 22, 18));
  p.drawPath(glyphs);
  p.restore();
}

QImage PaintPlayingSkin() {
  QImage skin = NewSkin();
  QPainter p(&skin);
  p.setRenderHint(QPainter::Antialiasing);
  TSceneRandom random(1101);

  // The left side carries the level picture: a quiet slate backdrop with a faint lattice.
  const QRectF left(0, 0, 304, Height);
  QRadialGradient calm(QPointF(150, 210), 260);
  calm.setColorAt(0, QColor(44, 54, 84));
  calm.setColorAt(1, QColor(10, 12, 24));
  p.fillRect(left, calm);
  p.setPen(QPen(QColor(255, 255, 255, 10), 1));
  for (int d = -Height; d < 304; d += 24) {
    p.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
    p.drawLine(QPointF(d + Height, 0), QPointF(d, Height));
  }

  DrawStoneWall(p, QRectF(304, 0, Width - 304, Height), random);
  // A carved edge where the wall meets the backdrop.
  p.setPen(Qt::NoPen);
  p.setBrush(Horizontal(
      298, 310, {{0, QColor(0, 0, 0, 0)}, {0.5, QColor(0, 0, 0, 160)}, {1, QColor(0, 0, 0, 0)}}));
  p.drawRect(QRectF(298, 0, 12, Height));

  // The well: near black with faint column guides every block width.
  const QRect well(320, 20, 198, 360);
  DrawRecess(p, well, 5, QColor(14, 18, 34), QColor(6, 8, 16));
  p.setPen(QPen(QColor(120, 140, 200, 18), 1));
  for (int x = well.left() + 19; x < well.right(); x += 20)
    p.drawLine(QPointF(x + 0.5, well.top() + 2), QPointF(x + 0.5, well.bottom() - 1));

  const QRect next(531, 47, 57, 48);
  const QRect scores(530, 130, 60, 230);
  const QRect level(530, 366, 60, 15);
  DrawRecess(p, next, 3, QColor(18, 22, 40), QColor(8, 10, 20));
  DrawRecess(p, scores, 3, QColor(18, 22, 40), QColor(8, 10, 20));
  DrawRecess(p, level.adjusted(0, -2, 0, 1), 2, QColor(18, 22, 40), QColor(8, 10, 20));
  DrawEngraved(p, "NEXT", QPointF(560, 37), 13);
  DrawEngraved(p, "BEST", QPointF(560, 120), 13);

  // The score line sits on its own plate in the top-left corner.
  const QRectF plate(-8, -8, 160, 35);
  p.setPen(QPen(QColor(210, 160, 70), 1.5));
  p.setBrush(Vertical(0, 27, {{0, QColor(16, 18, 30, 235)}, {1, QColor(6, 7, 14, 235)}}));
  p.drawRoundedRect(plate, 8, 8);
  return skin;
}

// A stylised quarry at dusk: stars, two mountain ranges and terraced rock in front.
void DrawDuskQuarry(QPainter &p, TSceneRandom &random) {
  p.fillRect(QRect(0, 0, Width, Height), Vertical(0, 330,
                                                  {{0, QColor(12, 16, 46)},
                                                   {0.45, QColor(54, 36, 96)},
                                                   {0.8, QColor(178, 84, 96)},
                                                   {1, QColor(250, 160, 90)}}));
  DrawStars(p, QRectF(0, 0, Width, 200), 140, 1.6, random);
  DrawGlow(p, QPointF(300, 330), 260, QColor(255, 190, 120, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(92, 58, 104));
  p.drawPath(RidgePath(QRectF(0, 200, Width, 200), 270, 250, 60, 7, random));
  p.setBrush(QColor(56, 34, 66));
  p.drawPath(RidgePath(QRectF(0, 240, Width, 160), 300, 290, 40, 7, random));
  // Terraces: each step narrower and lower, cut like the rows of the game.
  const QColor rock(120, 76, 58);
  for (int i = 0; i < 4; ++i) {
    const qreal top = 318 + i * 20;
    const qreal inset = 40 + i * 70;
    QPainterPath step;
    step.addRect(QRectF(0, top, Width, Height - top));
    QPainterPath cut;
    cut.addRect(QRectF(inset + 70, top - 1, Width - 2 * (inset + 70), 21));
    const QColor face = Mix(rock, QColor(30, 16, 22), i * 0.2);
    p.setBrush(Vertical(top, Height, {{0, face}, {1, Mix(face, Qt::black, 0.5)}}));
    p.drawPath(i < 3 ? step.subtracted(cut) : step);
    p.setBrush(QColor(240, 170, 120, 150));
    p.drawRect(QRectF(0, top, Width, 2));
  }
  // A nearly full row settled on the pit floor, one gap short of clearing.
  for (int i = 0; i < 10; ++i)
    if (i != 6)
      DrawBlocks(p, QPointF(201 + i * 20, 358), 18, 2, Cell((i * 3 + 1) % 8), {{0, 0}});
}

// A few tetrominoes drifting down, drawn in cell colours.
void DrawFallingPieces(QPainter &p, int size) {
  struct TPiece {
    QPointF at;
    int colour;
    QList<QPoint> cells;
  };
  const TPiece pieces[] = {
      {{150, 30}, 2, {{0, 0}, {1, 0}, {1, 1}, {2, 1}}},
      {{40, 222}, 7, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
      {{96, 244}, 1, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
      {{490, 14}, 6, {{0, 0}, {0, 1}, {0, 2}, {1, 2}}},
      {{520, 222}, 4, {{1, 0}, {0, 1}, {1, 1}, {2, 1}}},
      {{452, 262}, 5, {{0, 1}, {1, 1}, {1, 0}, {2, 0}}},
  };
  for (const TPiece &piece : pieces)
    DrawBlocks(p, piece.at, size, 2, Cell(piece.colour), piece.cells);
}

void DrawTitle(QPainter &p, const QString &text, QPointF baseline, int pixelSize,
               const QColor &light, const QColor &mid, const QColor &dark) {
  const QPainterPath title =
      CentredText(PixelFont("Liberation Serif", pixelSize, QFont::Bold), text, baseline, 3);
  const QRectF ink = title.boundingRect();
  DrawGlow(p, ink.center(), ink.width() * 0.55, QColor(mid.red(), mid.green(), mid.blue(), 70));
  DrawLettering(p, title,
                Vertical(ink.top(), ink.bottom(),
                         {{0, light}, {0.5, mid}, {0.52, dark}, {1, Mix(mid, light, 0.4)}}),
                QColor(24, 10, 4), 3, QPointF(3, 4));
}

// The start-key prompt drawn into the skin: "Press Space to start" on a translucent pill.
void DrawStartPrompt(QPainter &p, qreal centreY) {
  const QFont font = PixelFont("Liberation Sans", 22, QFont::Bold);
  const QPainterPath text = CentredText(font, "Press Space to start", QPointF(300, centreY + 8));
  const QRectF pill = text.boundingRect().adjusted(-24, -10, 24, 10);
  p.setPen(QPen(QColor(240, 196, 90), 2));
  p.setBrush(QColor(10, 10, 30, 170));
  p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
  DrawLettering(p, text, QColor(255, 244, 200), QColor(0, 0, 0, 200), 1.5, QPointF(1, 2));
}

QImage PaintStartSkin() {
  QImage skin = NewSkin();
  QPainter p(&skin);
  p.setRenderHint(QPainter::Antialiasing);
  TSceneRandom random(1201);
  DrawDuskQuarry(p, random);
  DrawFallingPieces(p, 22);
  DrawTitle(p, "Quarrybox", QPointF(300, 168), 96, QColor(255, 250, 210), QColor(250, 196, 64),
            QColor(214, 128, 24));
  const QPainterPath tagline =
      CentredText(PixelFont("Liberation Serif", 21, QFont::Normal),
                  "Every cleared row uncovers a picture", QPointF(300, 212), 0.5);
  DrawLettering(p, tagline, QColor(235, 225, 255), QColor(20, 10, 40, 200), 1.5, QPointF());
  DrawStartPrompt(p, 282);
  return skin;
}

QImage PaintGameOverSkin() {
  QImage skin = NewSkin();
  QPainter p(&skin);
  p.setRenderHint(QPainter::Antialiasing);
  TSceneRandom random(1301);
  p.fillRect(
      QRect(0, 0, Width, Height),
      Vertical(0, Height,
               {{0, QColor(8, 4, 10)}, {0.6, QColor(54, 14, 20)}, {1, QColor(110, 36, 24)}}));
  DrawGlow(p, QPointF(300, 360), 300, QColor(255, 110, 50, 110));

  // A collapsed heap of blocks, tumbled and piled highest in the middle; the lower (nearer)
  // blocks are drawn last so they lie in front.
  struct TRubble {
    QPointF at;
    int size, colour;
    qreal angle;
  };
  QList<TRubble> heap;
  for (int i = 0; i < 150; ++i) {
    const qreal x = random.Real(-10, Width + 10);
    const qreal spread = 1 - std::abs(x - 300) / 330.0;
    const qreal y = Height + 6 - random.Real(0, 30 + 100 * spread * spread);
    heap << TRubble{{x, y}, random.Int(20, 30), random.Int(0, 8), random.Real(-35, 35)};
  }
  std::sort(heap.begin(), heap.end(),
            [](const TRubble &a, const TRubble &b) { return a.at.y() < b.at.y(); });
  for (const TRubble &r : heap) {
    p.save();
    p.translate(r.at);
    p.rotate(r.angle);
    p.drawImage(QPointF(-r.size / 2.0, -r.size / 2.0), PaintBlock(r.size, Cell(r.colour)));
    p.restore();
  }
  p.fillRect(QRect(0, 300, Width, 100),
             Vertical(300, Height, {{0, QColor(0, 0, 0, 0)}, {1, QColor(0, 0, 0, 150)}}));

  DrawTitle(p, "Game Over", QPointF(300, 175), 92, QColor(255, 230, 190), QColor(240, 90, 40),
            QColor(170, 30, 20));
  const QPainterPath line = CentredText(PixelFont("Liberation Serif", 22, QFont::Normal),
                                        "The quarry is full", QPointF(300, 222), 0.5);
  DrawLettering(p, line, QColor(255, 220, 200), QColor(20, 0, 0, 220), 1.5, QPointF());
  return skin;
}

// Behind a finished level's picture: a quiet lattice on deep teal inside a gilded border.
QImage PaintMidPic() {
  QImage pic = NewSkin();
  QPainter p(&pic);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient back(QPointF(300, 200), 360);
  back.setColorAt(0, QColor(30, 70, 80));
  back.setColorAt(1, QColor(6, 18, 26));
  p.fillRect(QRect(0, 0, Width, Height), back);
  DrawGlow(p, QPointF(300, 200), 240, QColor(255, 220, 160, 40));

  p.setPen(QPen(QColor(180, 220, 220, 22), 1));
  for (int d = -Height; d < Width; d += 30) {
    p.drawLine(QPointF(d, 0), QPointF(d + Height, Height));
    p.drawLine(QPointF(d + Height, 0), QPointF(d, Height));
  }
  TSceneRandom random(1401);
  for (int i = 0; i < 26; ++i)
    DrawGlow(p, QPointF(random.Real(0, Width), random.Real(0, Height)), random.Real(10, 40),
             QColor(200, 240, 230, random.Int(14, 40)));

  const QColor gold(216, 163, 39);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(gold, 2));
  p.drawRect(QRectF(12, 12, Width - 24, Height - 24));
  p.setPen(QPen(Mix(gold, Qt::black, 0.3), 1));
  p.drawRect(QRectF(18.5, 18.5, Width - 37, Height - 37));
  // Corner ornaments: a diamond and two leaves on each corner.
  for (const QPointF &c : {QPointF(12, 12), QPointF(Width - 12, 12), QPointF(12, Height - 12),
                           QPointF(Width - 12, Height - 12)}) {
    p.save();
    p.translate(c);
    p.setPen(QPen(Mix(gold, Qt::black, 0.4), 1));
    p.setBrush(gold);
    p.rotate(45);
    p.drawRect(QRectF(-7, -7, 14, 14));
    p.restore();
  }
  return pic;
}

} // namespace

void WriteSkinPictures(TAssetFolder &folder) {
  folder.SaveImage("StartSkin.jpg", PaintStartSkin());
  folder.SaveImage("PlayingSkin.jpg", PaintPlayingSkin());
  folder.SaveImage("GameOverSkin.jpg", PaintGameOverSkin());
  folder.SaveImage("MidPic.jpg", PaintMidPic());
}
