#pragma once
// Where a game stands: the title, a level played, its end, the game over. The game model alone
// changes it.

#include <QtGlobal>

enum TGameState : quint8 {
  StateNone = 0,
  StateTitle = 1,
  StatePlaying = 2,
  StateGameOver = 3,
  StateLevelEnd = 4,
};
