#pragma once
// Which games the games gallery lists: those installed with the program, those in the user's
// games folder and those opened lately, each once, in that order.

#include <QList>
#include <QString>

enum class TGallerySource { Installed, Yours, Recent };

struct TGalleryGame {
  QString Path; // as it is opened
  QString Name; // the file name without ".qbx", as the caption shows it
  TGallerySource Source = TGallerySource::Installed;
};

struct TGalleryFolders {
  QString Installed;  // the bundled games ("<data folder>/Games")
  QString Yours;      // the user's games folder
  QStringList Recent; // paths of the recent games, newest first
};

// <dataHome>/quarrybox/games; empty without a data home.
QString UserGamesFolder(const QString &dataHome);

QList<TGalleryGame> FindGalleryGames(const TGalleryFolders &folders);
