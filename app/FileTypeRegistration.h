#pragma once
// Makes game files open with this program: a MIME type for "*.qbx" ("Zanpek Quarrybox Game")
// and a desktop entry whose open command is the program with the file, under the user's XDG
// data folder, then asks the desktop databases to update. Every failure is silent: the game
// runs on without it.

#include <QString>

// dataHome: the XDG data folder (~/.local/share); programPath: the running executable;
// programFolder: its folder, with a trailing '/', which holds the icons.
void RegisterGameFileType(const QString &dataHome, const QString &programPath,
                          const QString &programFolder);
