#pragma once
// Working picture files: a stored picture is used by copying its bytes into a file in a working
// folder (the program's is a TWorkingFolder), which the caller then loads. The names are fixed:
// "tps", "tpp", "tpg" and "tpl" + i (i from 0) for all pictures at once, "tp" shared by whichever
// skin was copied out last, "tpl" for the level being played; ".jpg" or ".bmp" after the picture
// type.
//
// Each operation returns the path it wrote, or a message naming the file and what is wrong; on
// failure the game data is unchanged. A record whose type is neither JPEG nor BMP, or that is
// bigger than PictureLimits allow, is refused before anything is written.

#include "gamefile/GameData.h"
#include "gamefile/GameSource.h"
#include "gamefile/Result.h"

// Start, playing or game-over skin into "tp.jpg"/"tp.bmp"; sets that skin's path and type.
TResult<QString> ExtractStartSkin(const TGameSource &game, TGameData &data, const QString &folder);
TResult<QString> ExtractPlayingSkin(const TGameSource &game, TGameData &data,
                                    const QString &folder);
TResult<QString> ExtractGameOverSkin(const TGameSource &game, TGameData &data,
                                     const QString &folder);

// The picture of a level (1-based) into "tpl.jpg"/"tpl.bmp"; sets that level's path, type and
// grid size.
TResult<QString> ExtractLevelPicture(const TGameSource &game, int level, TGameData &data,
                                     const QString &folder);

// Every picture into "tps", "tpp", "tpg" and "tpl0", "tpl1", ...; sets every path, type and grid
// size. The whole game is checked before the first file is written.
TStatus ExtractAllPictures(const TGameSource &game, TGameData &data, const QString &folder);

// A name given to a level's picture above ("tpl0.jpg", "tpl12.bmp"): it tells nothing of the
// picture, unlike the name of the file an author added.
bool IsLevelWorkingPictureName(const QString &path);

// Removes every working picture file that may exist for a game of levelCount levels.
void DeleteWorkingPictures(const QString &folder, int levelCount);
