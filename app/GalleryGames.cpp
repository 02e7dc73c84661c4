#include "app/GalleryGames.h"

#include "app/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

QString UserGamesFolder(const QString &dataHome) {
  return dataHome.isEmpty() ? QString() : dataHome + "/quarrybox/games";
}

QList<TGalleryGame> FindGalleryGames(const TGalleryFolders &folders) {
  QList<TGalleryGame> games;
  QSet<QString> seen; // by the file they lead to, so a game listed twice shows once
  const auto add = [&](const QString &path, TGallerySource source) {
    const QFileInfo file(path);
    const QString identity = file.canonicalFilePath();
    if (!file.isFile() || identity.isEmpty() || seen.contains(identity))
      return;
    seen.insert(identity);
    games.append(
        {ReachedByDescriptor(path) ? path : file.absoluteFilePath(), ShownGameName(path), source});
  };
  for (const auto &[folder, source] : {std::pair{folders.Installed, TGallerySource::Installed},
                                       std::pair{folders.Yours, TGallerySource::Yours}}) {
    if (folder.isEmpty())
      continue;
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList({"*.qbx"}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase))
      add(dir.filePath(name), source);
  }
  for (const QString &path : folders.Recent)
    add(path, TGallerySource::Recent);
  return games;
}
