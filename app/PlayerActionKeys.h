#pragma once
// Which input states ask for which of the player's actions: directions and buttons of the
// keyboard and the game controllers alike. A served action uses up every state that asks it.

#include "media/InputStates.h"
#include "rules/PlayerActions.h"

TPlayerActions PlayerActions(const TInputStates &states);
TInputStates InputStatesOf(TPlayerActions actions);
