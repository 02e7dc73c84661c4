#include "app/GamesGalleryModel.h"

#include "gamefile/HighScores.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

namespace {

QImage PlaceholderPicture(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(48, 48, 56));
  QPainter painter(&image);
  painter.setPen(QColor(150, 150, 160));
  QFont font = painter.font();
  font.setPixelSize(size.height() / 2);
  painter.setFont(font);
  painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("?"));
  return image;
}

QString SourceText(TGallerySource source) {
  switch (source) {
  case TGallerySource::Installed:
    //: Where a game in the gallery comes from: the games that came with the program
    return QCoreApplication::translate("TGamesGalleryModel", "Installed");
  case TGallerySource::Yours:
    return QCoreApplication::translate("TGamesGalleryModel", "Your games");
  case TGallerySource::Recent:
    //: Where a game in the gallery comes from: opened lately
    return QCoreApplication::translate("TGamesGalleryModel", "Recent");
  }
  return {};
}

} // namespace

TGamesGalleryModel::TGamesGalleryModel(const TGalleryFolders &folders, QString scoreStoreFolder,
                                       QString thumbnailFolder, QObject *parent)
    : QAbstractListModel(parent), ScoreStoreFolder(std::move(scoreStoreFolder)),
      Thumbnails(std::move(thumbnailFolder), ThumbnailSize),
      Placeholder(PlaceholderPicture(ThumbnailSize)) {
  // Two at a time: the machine has other work, and the first rows come first.
  Workers.setMaxThreadCount(2);
  for (const TGalleryGame &game : FindGalleryGames(folders))
    Rows.append({game, std::nullopt});
  for (int row = 0; row < Rows.size(); ++row)
    Read(row);
}

TGamesGalleryModel::~TGamesGalleryModel() {
  Workers.clear();
  Workers.waitForDone();
}

void TGamesGalleryModel::Read(int row) {
  ++Pending;
  const QString path = Rows[row].Game.Path;
  Workers.start([this, row, path, store = ScoreStoreFolder, thumbnails = Thumbnails] {
    TGameFacts facts = ReadGameFacts(path, store, thumbnails);
    // Delivered on the model's thread; the model waits for its workers before it goes.
    QMetaObject::invokeMethod(
        this,
        [this, row, facts = std::move(facts)] {
          Rows[row].Facts = facts;
          --Pending;
          emit dataChanged(index(row), index(row));
        },
        Qt::QueuedConnection);
  });
}

int TGamesGalleryModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(Rows.size());
}

QString TGamesGalleryModel::Text(const TRow &row) const {
  QString detail;
  if (!row.Facts)
    detail = QCoreApplication::translate("TGamesGalleryModel", "Reading...");
  else if (row.Facts->Levels == 0)
    detail = row.Facts->Problem;
  else {
    const TGameFacts &facts = *row.Facts;
    detail = facts.Levels == 1
                 ? QCoreApplication::translate("TGamesGalleryModel", "1 level")
                 : QCoreApplication::translate("TGamesGalleryModel", "%1 levels").arg(facts.Levels);
    //: After the number of levels: the best score (%1) and the name of who made it (%2)
    detail += facts.Best ? QCoreApplication::translate("TGamesGalleryModel", ", best %1 %2")
                               .arg(ScoreText(facts.Best->Score),
                                    QString::fromLatin1(facts.Best->Name).trimmed())
                         : QCoreApplication::translate("TGamesGalleryModel", ", no score yet");
  }
  return row.Game.Name + '\n' + detail + '\n' + SourceText(row.Game.Source);
}

QVariant TGamesGalleryModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= Rows.size())
    return {};
  const TRow &row = Rows[index.row()];
  switch (role) {
  case Qt::DisplayRole:
    return Text(row);
  case Qt::DecorationRole:
    return row.Facts && !row.Facts->Thumbnail.isNull() ? row.Facts->Thumbnail : Placeholder;
  case Qt::ToolTipRole:
    return row.Facts && !row.Facts->Problem.isEmpty() ? row.Game.Path + '\n' + row.Facts->Problem
                                                      : row.Game.Path;
  case PathRole:
    return row.Game.Path;
  case ProblemRole:
    return row.Facts ? row.Facts->Problem : QString();
  default:
    return {};
  }
}
