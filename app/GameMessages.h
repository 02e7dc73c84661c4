#pragma once
// What the game tells the player in a box, and the questions it asks before it stops a game.
// Once the window is closing nothing may wait for a box: problems are only logged.

#include "gamefile/Result.h"

#include <QString>

class TGameDialogs;

class TGameMessages {
public:
  // The windows the game opens; none in a bare test.
  TGameDialogs *Dialogs = nullptr;
  // From the close on, problems are logged, never shown in a box.
  bool Closing = false;

  void Report(const QString &text) const;
  void ReportFailure(const TStatus &status) const;
  // Stop Game's question: true when the player agrees to stop the running game.
  bool ConfirmStop() const;
};
