#pragma once
// Stand-alone games: a copy of the program with a game file appended. The game starts at the
// program's base size, the end of the executable as the linker wrote it (read from its ELF
// header), and carries no marker of its own: its offsets count from there.

#include "gamefile/Result.h"

#include <QString>

// The size of the executable without an appended game.
TResult<qint64> ExecutableBaseSize(const QString &executable);

// Make EXE: copies the program to target and appends the game file's bytes.
TStatus MakeStandAlone(const QString &program, const QString &gameFile, const QString &target);

// Start of a stand-alone game: the program is copied to copyPath and the appended game written
// to gamePath. Fails (with a reason) when the program carries no game.
TStatus UnpackStandAlone(const QString &program, const QString &copyPath, const QString &gamePath);

// Close of a stand-alone game: the game, whose score table may have changed, goes back into the
// copy at the base size, and the shell script that replaces the program with the copy once it
// has ended is written.
TStatus RepackStandAlone(const QString &copyPath, const QString &gamePath);

// The script run after a stand-alone game ends: it waits (a bounded time) for the program to
// end, puts the updated copy in its place, and removes the copy, the game and itself.
QString UpdateScript(qint64 programPid, const QString &program, const QString &copyPath,
                     const QString &gamePath, const QString &scriptPath);
