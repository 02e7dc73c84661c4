#pragma once
// The games within reach: the recent games (kept in the settings and told to the desktop's list
// of recently used files), the choice of one on File > Open Recent, where the games gallery
// looks and whether it is offered at start, and the user's games folder that a new game's
// first save offers.

#include "app/GalleryGames.h"
#include "app/RecentGames.h"

class TGameMessages;
class TSettingsStore;

class TRecentGameCommands {
public:
  TRecentGameCommands(TSettingsStore &settings, const TGameMessages &messages)
      : Settings(settings), Messages(messages), List(settings) {}

  // A stand-alone game keeps no recent games.
  bool StandAlone = false;
  QString Folder; // the program's own files, with the bundled games

  // At start: where the user's files are (empty: the recent games stay in the settings) and
  // whether a game was ever opened or named.
  void Start(const QString &dataHome, bool gameNamed);
  TRecentGames &Games() { return List; }
  // A game opened or saved joins the recent games, here and on the desktop.
  void Remember(const QString &path);
  // The two halves of Remember.
  void Keep(const QString &path);
  void NoteOnDesktop(const QString &path);
  // The path to open for a recent game; empty for a game whose file is gone, which the player
  // is offered to take off the list.
  QString PathToOpen(const QString &stored);
  TGalleryFolders GalleryFolders() const;
  bool OfferGallery() const;
  // Where Save As starts: the user's games folder (made if need be) for a game with no file
  // yet, else `otherwise`.
  QString SaveFolder(bool hasFile, const QString &otherwise) const;

private:
  TSettingsStore &Settings;
  const TGameMessages &Messages;
  TRecentGames List;
  QString DataHome;
  bool FirstStart = false;
};
