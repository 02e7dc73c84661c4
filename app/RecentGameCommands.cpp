#include "app/RecentGameCommands.h"

#include "app/CommandLine.h"
#include "app/GameDialogs.h"
#include "app/GameMessages.h"
#include "app/RecentlyUsedXbel.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

void TRecentGameCommands::Start(const QString &dataHome, bool gameNamed) {
  DataHome = dataHome;
  FirstStart = !gameNamed && Settings.Read(Setting::LastGame).isEmpty() && List.Entries().isEmpty();
}

void TRecentGameCommands::Remember(const QString &path) {
  Keep(path);
  NoteOnDesktop(path);
}

void TRecentGameCommands::Keep(const QString &path) {
  if (!StandAlone)
    List.Add(path);
}

void TRecentGameCommands::NoteOnDesktop(const QString &path) {
  if (StandAlone || DataHome.isEmpty())
    return;
  const TStatus added =
      AddRecentlyUsed(RecentlyUsedXbelPath(DataHome), StoredFileBytes(StoredFileName(path)),
                      {"Quarrybox", "'quarrybox %u'", "application/x-quarrybox-game"});
  if (!added.Ok())
    qWarning().noquote() << added.Error(); // the desktop's list is not the player's business
}

QString TRecentGameCommands::PathToOpen(const QString &stored) {
  const TRecentGame game = DescribeRecentGame(stored);
  if (game.Exists)
    return OpenStoredFileName(stored);
  if (Messages.Dialogs &&
      Messages.Dialogs->AskYesNo(
          QCoreApplication::translate("TRecentGameCommands", "Open Recent"),
          QCoreApplication::translate(
              "TRecentGameCommands", "The game \"%1\" is no longer there. Remove it from the list?")
              .arg(game.FullName)))
    List.Remove(stored);
  return QString();
}

TGalleryFolders TRecentGameCommands::GalleryFolders() const {
  TGalleryFolders folders{Folder + "Games", UserGamesFolder(DataHome), {}};
  for (const TRecentGame &game : List.Entries())
    // A name Qt cannot spell would need a descriptor kept open for as long as the gallery shows.
    if (game.Exists && !game.Stored.startsWith("file://"))
      folders.Recent << game.Stored;
  return folders;
}

// Offered only where there is something to choose: a gallery of the one game that opens anyway
// would only be in the way.
bool TRecentGameCommands::OfferGallery() const {
  return FirstStart && FindGalleryGames(GalleryFolders()).size() > 1;
}

QString TRecentGameCommands::SaveFolder(bool hasFile, const QString &otherwise) const {
  const QString yours = UserGamesFolder(DataHome);
  return !hasFile && !yours.isEmpty() && QDir().mkpath(yours) ? yours : otherwise;
}
