#pragma once
// Makes game files open with this program when it runs from a folder of its own (an installed
// program is registered by its package): the MIME type for "*.qbx" ("Zanpek Quarrybox Game"),
// a desktop entry whose open command is this program with the file, and the program and
// game-file icons, under the user's XDG data folder; then asks the desktop databases to update.
// Every failure is silent: the game runs on without it.

#include <QString>

// dataHome: the XDG data folder (~/.local/share); programPath: the running executable;
// programFolder: its folder, with a trailing '/', which holds the icons (icons/hicolor/...).
void RegisterGameFileType(const QString &dataHome, const QString &programPath,
                          const QString &programFolder);

// The program path as one argument of a desktop entry's Exec line: bare when it has no
// character the desktop entry rules reserve, else quoted and escaped as they require.
QString DesktopExecArgument(const QString &path);
