// The start-key prompt and the pause banner: a dark plate with a gold rim and lettering with
// an outline, legible over any picture.
#include "tools/assetgen/BlockPainter.h"
#include "tools/assetgen/CellColours.h"
#include "tools/assetgen/Painting.h"
#include "tools/assetgen/PromptPictures.h"

#include <QPainter>

namespace {

// Below this the lettering no longer reads: a text that needs less is too long for its place.
constexpr int SmallestPixelSize = 7;

// The lettering in the largest font up to the given one whose ink is at most width wide; the
// spacing between the letters shrinks with the font. A text too wide even in the smallest font
// is added to tooLong.
QPainterPath FittedText(const QFont &font, const QString &text, QPointF baselineCentre, qreal width,
                        qreal spacing, QStringList &tooLong) {
  QFont fitted = font;
  for (;;) {
    const qreal scale = qreal(fitted.pixelSize()) / font.pixelSize();
    QPainterPath path = CentredText(fitted, text, baselineCentre, spacing * scale);
    if (path.boundingRect().width() <= width)
      return path;
    if (fitted.pixelSize() <= SmallestPixelSize) {
      tooLong << text;
      return path;
    }
    fitted.setPixelSize(fitted.pixelSize() - 1);
  }
}

// A dark translucent plate with a gold rim: the prompt stays legible over bright pictures.
void DrawPlate(QPainter &p, const QRectF &box, qreal radius, int alpha) {
  p.setPen(QPen(QColor(236, 190, 72), 1.0));
  p.setBrush(Vertical(box.top(), box.bottom(),
                      {{0, QColor(40, 46, 78, alpha)}, {1, QColor(8, 10, 22, alpha)}}));
  p.drawRoundedRect(box, radius, radius);
}

} // namespace

QImage PaintPressSpace(const TPressSpaceTexts &texts, const TLettering &lettering,
                       QStringList &tooLong) {
  QImage prompt(112, 21, QImage::Format_ARGB32_Premultiplied);
  prompt.fill(Qt::transparent);
  QPainter p(&prompt);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPlate(p, QRectF(0.5, 0.5, 111, 20), 5, 215);

  // "Press" in white left of the key cap, then the key itself drawn as a key cap with its name.
  const QPainterPath press = FittedText(PixelFont(lettering.Sans, 11, QFont::Bold), texts.Press,
                                        QPointF(25, 14.5), 36, 0, tooLong);
  DrawLettering(p, press, QColor(245, 245, 245), QColor(0, 0, 0, 200), 0.8, QPointF());

  const QRectF cap(46.5, 3.5, 60, 14);
  p.setPen(QPen(QColor(120, 80, 10), 1.0));
  p.setBrush(Vertical(
      cap.top(), cap.bottom(),
      {{0, QColor(255, 236, 120)}, {0.5, QColor(250, 200, 50)}, {1, QColor(214, 140, 20)}}));
  p.drawRoundedRect(cap, 3, 3);
  const QPainterPath key =
      FittedText(PixelFont(lettering.Sans, 10, QFont::Black), texts.Key,
                 QPointF(cap.center().x(), 14.2), cap.width() - 6, 1.0, tooLong);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 30, 0));
  p.drawPath(key);
  return prompt;
}

QImage PaintPauseBanner(const TPauseTexts &texts, const TLettering &lettering,
                        QStringList &tooLong) {
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

  // The title between the pieces on either side, the hint between the lower ones.
  const QPainterPath title = FittedText(PixelFont(lettering.Serif, 58, QFont::Bold), texts.Title,
                                        QPointF(237, 70), 300, 6, tooLong);
  const QRectF ink = title.boundingRect();
  DrawLettering(p, title,
                Vertical(ink.top(), ink.bottom(),
                         {{0, QColor(255, 248, 200)},
                          {0.45, QColor(250, 205, 70)},
                          {0.55, QColor(230, 160, 30)},
                          {1, QColor(255, 220, 110)}}),
                QColor(30, 14, 0), 2.0, QPointF(2, 3));

  const QPainterPath hint = FittedText(PixelFont(lettering.Sans, 16, QFont::Bold), texts.Hint,
                                       QPointF(237, 101), 250, 0.5, tooLong);
  DrawLettering(p, hint, QColor(200, 226, 255), QColor(0, 0, 0, 220), 1.2, QPointF());
  return banner;
}
