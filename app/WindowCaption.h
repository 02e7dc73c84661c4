#pragma once
// The main window's caption: "Quarrybox - " and the game's name, marked while the game is
// paused or the window is away.

#include "play/GameEvents.h"

#include <QString>

#include <functional>

class TWindowCaption : public TGameEvents {
public:
  const QString &Text() const { return CaptionText; }
  // The caption of a game file, or of no file at all.
  void ShowGame(const QString &filePath);
  void ShowEmptyGame();
  // The window went to the background (or came back) while no game is played.
  void SetAway(bool away);

  std::function<void()> OnChanged;

private:
  void PauseChanged(TPauseChange change, const TPlaySession &session) override;
  void SetTitle(const QString &title);
  void Show(const QString &text);

  QString Title = "Quarrybox";
  QString CaptionText;
};
