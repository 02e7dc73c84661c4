#pragma once
// Where the program finds the files that ship with it (Games/Default.qbx, MidPic.jpg, Help/).

#include <QImage>
#include <QString>

// Installed (<prefix>/games/quarrybox or <prefix>/bin/quarrybox): <prefix>/share/quarrybox/.
// Run from the build or from a copied program folder: the program's own folder. With a
// trailing '/'.
QString DataFolder(const QString &programPath);

// The runtime that Make EXE puts in front of a game: <prefix>/lib/quarrybox/quarrybox-runtime
// when installed, else beside the program.
QString StandAloneRuntime(const QString &programPath);

// True when the program runs from an installed layout, whose package registers its file type.
bool IsInstalled(const QString &programPath);

// A picture from that folder, or a null one when the file is not there: asked to read a missing
// file, Qt would load every picture format it has to look for the name with other suffixes.
QImage FolderPicture(const QString &path);
