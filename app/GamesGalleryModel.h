#pragma once
// The games gallery as a list model, without widgets: one row per game found (installed, the
// user's, recent), showing its name, levels and best score under its title picture. A row
// shows at once with a placeholder; what the file holds is read on worker threads, a few
// games at a time, and each row fills in as its game is read. A game that cannot be read keeps
// the placeholder and says why.

#include "app/GalleryGames.h"
#include "app/GameFacts.h"
#include "app/GameThumbnail.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>
#include <QThreadPool>

#include <optional>

class TGamesGalleryModel : public QAbstractListModel {
public:
  enum TRole { PathRole = Qt::UserRole, ProblemRole };
  static constexpr QSize ThumbnailSize{192, 128};

  TGamesGalleryModel(const TGalleryFolders &folders, QString scoreStoreFolder,
                     QString thumbnailFolder, QObject *parent = nullptr);
  ~TGamesGalleryModel() override;

  int rowCount(const QModelIndex &parent = {}) const override;
  QVariant data(const QModelIndex &index, int role) const override;

  // Some games are still being read.
  bool Loading() const { return Pending > 0; }
  const TGalleryGame &Game(int row) const { return Rows[row].Game; }
  const std::optional<TGameFacts> &Facts(int row) const { return Rows[row].Facts; }

private:
  struct TRow {
    TGalleryGame Game;
    std::optional<TGameFacts> Facts; // none while being read
  };
  QString Text(const TRow &row) const;
  void Read(int row);

  QList<TRow> Rows;
  QString ScoreStoreFolder;
  TGameThumbnails Thumbnails;
  QImage Placeholder;
  int Pending = 0;
  QThreadPool Workers; // last: destroyed first, so no worker outlives what it reports to
};
