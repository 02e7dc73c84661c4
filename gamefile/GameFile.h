#pragma once
// The game file operations of the main window that read or write a game as a whole: its header
// and high-score table, and saving. Copying pictures out is in WorkingPictures.h.

#include "gamefile/GameData.h"
#include "gamefile/GameSource.h"
#include "gamefile/Result.h"

// Reads header, level count and high-score table into data, sets the current level to 1 and
// sizes the level list to the level count (levels that existed keep their pictures until one is
// copied out). The whole structure of the game is checked first: a bad file changes nothing.
TStatus ReadGameHeader(const TGameSource &game, TGameData &data);

// Saves the game to path atomically: a temporary file beside it is written, flushed and checked,
// synced and renamed over path, and the folder is synced, so that a power cut leaves the old file
// or the new one. On any failure the old file is untouched and no temporary file is left.
TStatus WriteGameFile(const QString &path, const TGameData &data);

// Rewrites the ten high-score entries in place, where the game's offset table says they are.
// Nothing else changes: the file is never extended or truncated, and a table that does not lie
// inside the game is refused.
TStatus WriteScoreTable(const TGameSource &game, const TGameData &data);
