#pragma once
// The game state byte of the main window; changed only through SetGameState.

#include <QtGlobal>

enum TGameState : quint8 {
  StateNone = 0,
  StateTitle = 1,
  StatePlaying = 2,
  StateGameOver = 3,
  StateLevelEnd = 4,
};
