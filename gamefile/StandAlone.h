#pragma once
// Stand-alone games: a game file behind a program that plays it. Make EXE writes the
// stand-alone runtime (the launcher with the compressed program and libraries, see
// bundle/RuntimeHeader.h) followed by the game. A plain program with a game appended works the
// same way. The game starts at the base size and runs to the end of the file, carrying no
// marker of its own: its offsets count from there.

#include "gamefile/GameSource.h"
#include "gamefile/Result.h"

#include <QString>

// Where the game starts: behind the launcher's runtime, or for a plain program at the end of
// the ELF file as the linker wrote it (the end of its section table).
TResult<qint64> ExecutableBaseSize(const QString &executable);

// A stand-alone game's game as a range of its file; any other file as a whole.
TGameSource GameIn(const QString &path);

// Make EXE: the runtime (up to its base size) and the game file's bytes make target, which is
// replaced durably; on failure an existing target is left as it was.
TStatus MakeStandAlone(const QString &runtime, const QString &gameFile, const QString &target);

// Start of a stand-alone game: the game it carries is written to gamePath. Fails (with a
// reason) when it carries none.
TStatus UnpackStandAlone(const QString &program, const QString &gamePath);

// Close of a stand-alone game: when the game at gamePath (whose score table may have changed)
// differs from the one in program, program is rewritten with it and replaced durably. On
// failure the program keeps its old game.
TStatus RepackStandAlone(const QString &program, const QString &gamePath);
