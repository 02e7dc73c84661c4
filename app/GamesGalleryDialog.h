#pragma once
// File > Games...: the games within reach (installed, the user's, recent) as title pictures
// with their names, levels and best scores. Arrows move, Enter or a double-click opens the
// game, Escape closes. It does not hold the game: the title screen goes on behind it, and the
// game chosen is opened with the same questions as Open.

#include "app/GalleryGames.h"

#include <QDialog>

#include <functional>

class QListView;
class TGamesGalleryModel;

class TGamesGalleryDialog : public QDialog {
public:
  TGamesGalleryDialog(const TGalleryFolders &folders, QWidget *parent = nullptr);

  TGamesGalleryModel &Model() { return *Games; }
  // Beside the window with this frame where its screen has room, so the title stays in sight;
  // where it has none, where the window manager puts it.
  void PlaceBeside(const QRect &windowFrame);
  // The game chosen, after the gallery has closed.
  std::function<void(const QString &path)> OnChosen;

private:
  void Choose(const QModelIndex &index);

  TGamesGalleryModel *Games;
  QListView *List;
};
