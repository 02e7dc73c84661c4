#include "screen/Overlays.h"

#include "rules/Rounding.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

TOverlays::TOverlays(const QImage &prompt, const QImage &pauseBanner) {
  PromptOverlay.Picture = prompt;
  Banner.Picture = pauseBanner;
  // Centred on the 600 x 400 window as the banner's 474 x 121 picture was designed.
  Banner.Position = QPoint(RoundHalfEven((600 - 474) / 2.0), RoundHalfEven((400 - 121) / 2.0));
}

void TOverlays::Show(TOverlay &overlay, bool on) {
  if (overlay.Visible == on)
    return;
  overlay.Visible = on;
  if (OnChanged)
    OnChanged();
}

void TOverlays::ShowNotice(const QString &text) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setBold(true);
  const QFontMetrics metrics(font);
  QImage &picture = NoticeOverlay.Picture;
  picture =
      QImage(metrics.horizontalAdvance(text) + 28, metrics.height() + 14, QImage::Format_RGB32);
  picture.fill(qRgb(24, 24, 32));
  QPainter p(&picture);
  p.setPen(qRgb(232, 184, 96));
  p.drawRect(picture.rect().adjusted(0, 0, -1, -1));
  p.setPen(Qt::white);
  p.setFont(font);
  p.drawText(picture.rect(), Qt::AlignCenter, text);
  p.end();
  NoticeOverlay.Position = QPoint((600 - picture.width()) / 2, 400 - picture.height() - 24);
  if (NoticeOverlay.Visible && OnChanged)
    OnChanged(); // another text in its place
  Show(NoticeOverlay, true);
}
