#include "screen/Overlays.h"

#include "rules/Rounding.h"

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
