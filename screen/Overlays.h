#pragma once
// The pictures shown over the window picture: the start prompt, the pause banner and a notice
// (a line of text saying the game is busy). The window hears when any appears or goes.

#include <QImage>
#include <QPoint>
#include <QString>

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
  const TOverlay &Notice() const { return NoticeOverlay; }
  std::array<const TOverlay *, 3> All() const { return {&PromptOverlay, &Banner, &NoticeOverlay}; }

  // A game folder may bring its own prompt.
  void SetPromptPicture(const QImage &picture) { PromptOverlay.Picture = picture; }
  void ShowPrompt(bool on) { Show(PromptOverlay, on); }
  void ShowPauseBanner(bool on) { Show(Banner, on); }
  // `text` in a dark box, centred near the foot of the window.
  void ShowNotice(const QString &text);
  void HideNotice() { Show(NoticeOverlay, false); }

  std::function<void()> OnChanged;

private:
  void Show(TOverlay &overlay, bool on);

  TOverlay PromptOverlay;
  TOverlay Banner;
  TOverlay NoticeOverlay;
};
