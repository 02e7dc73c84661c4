#pragma once
// The pictures shown over the window picture: the start prompt and the pause banner. The window
// hears when either appears or goes.

#include <QImage>
#include <QPoint>

#include <array>
#include <functional>

struct TOverlay {
  QImage Picture;
  QPoint Position;
  bool Visible = false;
};

class TOverlays {
public:
  TOverlays(const QImage &prompt, const QImage &pauseBanner);

  const TOverlay &Prompt() const { return PromptOverlay; }
  const TOverlay &PauseBanner() const { return Banner; }
  std::array<const TOverlay *, 2> All() const { return {&PromptOverlay, &Banner}; }

  // A game folder may bring its own prompt.
  void SetPromptPicture(const QImage &picture) { PromptOverlay.Picture = picture; }
  void ShowPrompt(bool on) { Show(PromptOverlay, on); }
  void ShowPauseBanner(bool on) { Show(Banner, on); }

  std::function<void()> OnChanged;

private:
  void Show(TOverlay &overlay, bool on);

  TOverlay PromptOverlay;
  TOverlay Banner;
};
