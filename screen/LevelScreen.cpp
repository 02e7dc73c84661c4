#include "screen/LevelScreen.h"

#include "rules/Rounding.h"
#include "screen/Canvas.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QRect PlayFieldRect(320, 20, 198, 360);
const QRect PreviewRect(531, 47, 57, 48);
const QRect ColumnRect(530, 130, 60, 230);
const QRect ScoreRect(0, 0, 150, 25);

// Text colours (window colour values).
constexpr QRgb Red = WindowColour(255);
constexpr QRgb Orange = WindowColour(33023);
constexpr QRgb PaleYellow = WindowColour(61680);
constexpr QRgb Yellow = WindowColour(65535);
constexpr QRgb Cyan = WindowColour(16776960);
constexpr QRgb White = WindowColour(16777215);

QFont PanelFont() {
  QFont f("Arial");
  f.setPointSize(8);
  f.setBold(true);
  return f;
}

QFont ScoreFont() {
  QFont f("Arial Narrow");
  f.setPointSize(14);
  f.setBold(true);
  return f;
}

// Text drawn with its top at y, as the window canvas places text.
void DrawTextAt(QPainter &p, int x, int y, const QString &text, QRgb colour) {
  p.setPen(QColor(colour));
  p.drawText(x, y + p.fontMetrics().ascent(), text);
}

QString TwoDigits(int n) { return n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n); }

} // namespace

TLevelScreen::TLevelScreen() : WindowPicture(600, 400, QImage::Format_RGB32) {
  WindowPicture.fill(Qt::black);
}

void TLevelScreen::DrawSkin(const QImage &skin, bool stretch) {
  QPainter p(&WindowPicture);
  if (stretch) {
    p.drawImage(WindowPicture.rect(), skin);
    return;
  }
  p.fillRect(WindowPicture.rect(), Qt::black);
  p.drawImage(RoundHalfEven((600 - skin.width()) / 2.0), RoundHalfEven((400 - skin.height()) / 2.0),
              skin);
}

void TLevelScreen::ComposeBackground(const QImage &playingSkin, bool stretch) {
  // Painted over the picture the window has: a new one would cost its memory pages anew, which
  // is most of a level start.
  QPainter p(&WindowPicture);
  if (playingSkin.isNull() || !stretch)
    p.fillRect(WindowPicture.rect(), Qt::black); // around or instead of the skin
  if (!playingSkin.isNull()) {
    if (stretch)
      p.drawImage(WindowPicture.rect(), playingSkin);
    else
      p.drawImage(RoundHalfEven((600 - playingSkin.width()) / 2.0),
                  RoundHalfEven((400 - playingSkin.height()) / 2.0), playingSkin);
  }
  p.end();
  PlayField = WindowPicture.copy(PlayFieldRect);
  Preview = WindowPicture.copy(PreviewRect);
  Column = WindowPicture.copy(ColumnRect);
  ScoreBackground = WindowPicture.copy(ScoreRect);
}

void TLevelScreen::DrawPanelFrames(const TGameData &game) {
  QPainter p(&WindowPicture);
  const auto frame = [&](const TBox &box, std::initializer_list<QPoint> corners) {
    if (!box.Draw)
      return;
    QList<QPoint> points(corners);
    points << *corners.begin();
    for (int i = 0; i + 1 < points.size(); ++i)
      CanvasLine(p, points[i], points[i + 1], WindowColour(box.Colour));
  };
  frame(game.PlayBox, {{319, 19}, {518, 19}, {518, 380}, {319, 380}});
  frame(game.ScoreBox, {{530, 132}, {589, 132}, {589, 357}, {530, 357}});
  frame(game.NextBox, {{530, 46}, {589, 46}, {589, 96}, {530, 96}});
}

void TLevelScreen::DrawCentredText(const QString &text, int y, QRgb colour) {
  QPainter p(&WindowPicture);
  p.setFont(PanelFont());
  const int width = p.fontMetrics().horizontalAdvance(text);
  const int x = width <= 60 ? 530 + (60 - width) / 2 : 532;
  DrawTextAt(p, x, y, text, colour);
}

void TLevelScreen::DrawLevelCounter(int level, int levelCount) {
  DrawCentredText(TwoDigits(level) + '/' + TwoDigits(levelCount), 366, Yellow);
}

void TLevelScreen::DrawScoreColumn(const TScoreTable &scores) {
  for (int i = 0; i < 7; ++i) {
    const int y = 138 + 31 * i;
    DrawCentredText(QString::fromLatin1(scores[size_t(i)].Name), y, White);
    DrawCentredText(QString::number(scores[size_t(i)].Score), y + 14, i == 0 ? Cyan : Orange);
  }
}

void TLevelScreen::ClearScore() {
  QPainter p(&WindowPicture);
  p.drawImage(0, 0, ScoreBackground);
}

QRect TLevelScreen::DrawScore(const QString &text) {
  ClearScore();
  QPainter p(&WindowPicture);
  p.setFont(ScoreFont());
  //: Drawn before the points on the play screen, in a narrow field: keep it short
  const QString label = QCoreApplication::translate("TLevelScreen", "Score: ");
  const int s = p.fontMetrics().horizontalAdvance(label);
  DrawTextAt(p, 5, 2, label, Red);
  DrawTextAt(p, 5, 3, label, Orange);
  DrawTextAt(p, s + 10, 2, text, Red);
  DrawTextAt(p, s + 10, 3, text, PaleYellow);
  // A long score or label may run past the line's background; a glyph may lean a little past
  // its advance.
  const QFontMetrics metrics = p.fontMetrics();
  return ScoreRect |
         QRect(0, 0, s + 10 + metrics.horizontalAdvance(text) + 4, metrics.height() + 5);
}

QRect TLevelScreen::DrawNextPiece(int pieceType, const QImage &blockPicture) {
  constexpr int s = 12;
  const QImage block = blockPicture.scaled(s, s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  static const QPoint positions[7][4] = {
      {{541, 61}, {s + 542, 61}, {2 * s + 543, 61}, {2 * s + 543, s + 62}},
      {{541, 61}, {s + 542, 61}, {2 * s + 543, 61}, {541, s + 62}},
      {{541, 61}, {s + 542, 61}, {s + 542, s + 62}, {2 * s + 543, s + 62}},
      {{553, 61}, {s + 554, 61}, {552 - s, s + 62}, {553, s + 62}},
      {{548, 61}, {s + 549, 61}, {548, s + 62}, {s + 549, s + 62}},
      {{534, 67}, {s + 535, 67}, {2 * s + 536, 67}, {3 * s + 537, 67}},
      {{541, 61}, {s + 542, 61}, {2 * s + 543, 61}, {s + 542, s + 62}},
  };
  QPainter p(&WindowPicture);
  p.drawImage(PreviewRect.topLeft(), Preview);
  QRect drawn = PreviewRect;
  if (pieceType < 0 || pieceType > 6)
    return drawn;
  for (const QPoint &at : positions[pieceType]) {
    p.drawImage(at, block);
    drawn |= QRect(at, block.size());
  }
  return drawn;
}

void TLevelScreen::PrepareFonts() {
  // Of the window picture's format: glyphs are cached per font and pixel format.
  QImage scratch(8, 8, QImage::Format_RGB32);
  QPainter p(&scratch);
  const QString characters =
      QStringLiteral("0123456789/: ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  for (const QFont &font : {PanelFont(), ScoreFont()}) {
    p.setFont(font);
    p.drawText(0, p.fontMetrics().ascent(), characters);
  }
}

void TLevelScreen::RestorePlayField() {
  QPainter p(&WindowPicture);
  p.drawImage(PlayFieldRect.topLeft(), PlayField);
}

void TLevelScreen::DrawLevelEnd(const QImage &backdrop, const QImage &shownPicture) {
  QPainter p(&WindowPicture);
  if (backdrop.isNull())
    p.fillRect(WindowPicture.rect(), Qt::black);
  else
    p.drawImage(WindowPicture.rect(), backdrop);
  if (shownPicture.isNull())
    return;
  const int w = shownPicture.width(), h = shownPicture.height();
  const int left = RoundHalfEven((600 - w) / 2.0), top = RoundHalfEven((400 - h) / 2.0);
  p.drawImage(QPoint(left, top), shownPicture);
  const int r = left + w, b = top + h;
  constexpr QRgb a = WindowColour(2912211), c = WindowColour(2597848);
  CanvasLine(p, {left - 5, top - 5}, {left + 15, top - 5}, a);
  CanvasLine(p, {left - 5, top - 5}, {left - 5, top + 15}, a);
  CanvasLine(p, {left - 6, top - 6}, {left + 14, top - 6}, c);
  CanvasLine(p, {left - 6, top - 6}, {left - 6, top + 14}, c);
  CanvasLine(p, {r + 5, top - 5}, {r - 15, top - 5}, a);
  CanvasLine(p, {r + 5, top - 5}, {r + 5, top + 15}, a);
  CanvasLine(p, {r + 6, top - 6}, {r - 14, top - 6}, c);
  CanvasLine(p, {r + 6, top - 6}, {r + 6, top + 14}, c);
  CanvasLine(p, {r + 5, b + 5}, {r - 15, b + 5}, a);
  CanvasLine(p, {r + 5, b + 5}, {r + 5, b - 15}, a);
  CanvasLine(p, {r + 6, b + 6}, {r - 14, b + 6}, c);
  CanvasLine(p, {r + 6, b + 6}, {r + 6, b - 14}, c);
  CanvasLine(p, {left - 5, b + 5}, {left - 5, b - 15}, a);
  CanvasLine(p, {left - 5, b + 5}, {left + 15, b + 5}, a);
  CanvasLine(p, {left - 6, b + 6}, {left - 6, b - 14}, c);
  CanvasLine(p, {left - 6, b + 6}, {left + 14, b + 6}, c);
}
