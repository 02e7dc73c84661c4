#include "app/FileCommands.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/GameDialogs.h"
#include "app/GameDocument.h"
#include "app/GameMessages.h"
#include "app/GameScreen.h"
#include "app/GameSounds.h"
#include "app/LevelPictureSource.h"
#include "app/MenuCommandSet.h"
#include "app/NotAGame.h"
#include "app/RecentGameCommands.h"
#include "app/WindowCaption.h"
#include "gamefile/StandAlone.h"
#include "play/GameModel.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Why a named game is not the one that opens.
QString CannotOpenMessage(const QString &path) {
  const char *why =
      QFileInfo::exists(path) ? QT_TRANSLATE_NOOP("TGame", "it is not a file.")
      : path.contains(QChar::ReplacementCharacter)
          ? QT_TRANSLATE_NOOP(
                "TGame", "its name is not UTF-8 text, so only a start with that name opens it.")
          : QT_TRANSLATE_NOOP("TGame", "there is no such file.");
  return QCoreApplication::translate("TGame", "The game \"%1\" cannot be opened: %2")
      .arg(path, QCoreApplication::translate("TGame", why));
}

} // namespace

TGameData &TFileCommands::Game() { return Uses.Document.Game; }

bool TFileCommands::Load(const QString &path) {
  QString scoresProblem;
  const TStatus read = Uses.Document.Open(path, scoresProblem);
  if (!read.Ok()) {
    const QString notAGame = NotAGameMessage(path);
    Uses.Messages.Report(notAGame.isEmpty() ? read.Error() : notAGame);
    return false;
  }
  if (!scoresProblem.isEmpty())
    Uses.Messages.Report(scoresProblem);
  Uses.Levels.Drop();
  Uses.Screen.Blank();
  Uses.Caption.ShowGame(Game().FilePath);
  return true;
}

void TFileCommands::UseEmptyGame() {
  Game().FilePath = TGameData::EmptyGamePath();
  Uses.Caption.ShowEmptyGame();
  Uses.Screen.ShowEmptyGame();
}

TFileCommands::TStartGames TFileCommands::StartGames(const QStringList &arguments) {
  TStartGames games;
  const auto add = [&games](const QString &path) {
    if (!path.isEmpty() && QFileInfo(path).isFile() && !games.Paths.contains(path))
      games.Paths << path;
  };
  if (const QString commandLine = GameFileArgument(arguments); !commandLine.isEmpty()) {
    const QFileInfo named(commandLine);
    if (named.isFile())
      games.Named = named.absoluteFilePath();
    else // the player asked for this game: say why it is not the one that opens
      Uses.Messages.Report(CannotOpenMessage(commandLine));
    add(games.Named);
  }
  add(OpenStoredFileName(Uses.Settings.Read(Setting::LastGame)));
  add(Folder + "Games/Default.qbx");
  return games;
}

void TFileCommands::OpenGameMessage() {
  if (!Uses.Model.TitleShown())
    return;
  // A name or a local file's address (a name that is not UTF-8 comes as one).
  const QString path = OpenStoredFileName(Uses.Settings.Read(Setting::HandedOverGame));
  if (path.isEmpty())
    return;
  if (!QFileInfo(path).isFile()) {
    Uses.Messages.Report(CannotOpenMessage(path));
    return;
  }
  // An edited game is not lost to a double-clicked one: the same questions as Open.
  if (!LeaveCurrentGame())
    return;
  Uses.Document.DeleteWorkingPictures();
  if (Load(QFileInfo(path).absoluteFilePath())) {
    Uses.Recent.Remember(path);
    Uses.Model.ShowTitleSoon();
  }
}

QString TFileCommands::GamesFolder(const Setting::TText &setting) const {
  const QString remembered = Uses.Settings.Read(setting);
  return remembered.isEmpty() ? Folder + "Games" : remembered;
}

bool TFileCommands::SaveIfModified(bool clearAlways) {
  if (!Game().Unsaved)
    return true;
  const bool yes = Uses.Messages.Dialogs && Uses.Messages.Dialogs->AskYesNo(
                                                QCoreApplication::translate("TGame", "Warning"),
                                                QCoreApplication::translate("TGame", "Save Game?"));
  if (yes) {
    if (NeedsName())
      SaveGameAs();
    else if (!Save(Game().FilePath))
      return false;
  }
  if (yes || clearAlways)
    Game().Unsaved = false;
  return true;
}

// A game made with Create Game carries a placeholder name until the author gives it one.
bool TFileCommands::NeedsName() const {
  return Uses.Document.Game.FilePath.contains("untitled.qbx");
}

// Writes the whole game to path.
bool TFileCommands::Save(const QString &path) {
  const TStatus saved = Uses.Document.SaveTo(path);
  Uses.Messages.ReportFailure(saved);
  return saved.Ok();
}

// Before another game is opened: a running game stops (if the player agrees) and a changed
// game may be saved. False when the player keeps the running game.
bool TFileCommands::LeaveCurrentGame() {
  if (Uses.Model.GameRunning()) {
    if (!Uses.Messages.ConfirmStop())
      return false;
    Uses.Model.StopRunningGame();
  }
  SaveIfModified(true);
  return true;
}

void TFileCommands::OpenGame() {
  if (!LeaveCurrentGame() || !Uses.Messages.Dialogs)
    return;
  OpenGameFile(Uses.Messages.Dialogs->AskOpenGameFile(GamesFolder(Setting::OpenFolder)));
}

void TFileCommands::OpenDroppedGame(const QString &path) {
  if (CommandEnabled(TCommand::OpenGame, Uses.Model.GameState(), Game().LevelCount()) &&
      LeaveCurrentGame())
    OpenGameFile(path);
}

void TFileCommands::OpenRecentGame(const QString &stored) {
  if (const QString path = Uses.Recent.PathToOpen(stored); !path.isEmpty())
    OpenDroppedGame(path);
}

void TFileCommands::OpenGameFile(const QString &path) {
  if (path.isEmpty() || !QFileInfo(path).isFile())
    return;
  Uses.Document.DeleteWorkingPictures();
  if (!ReachedByDescriptor(path)) // a descriptor's folder means nothing to the next start
    Uses.Settings.Write(Setting::OpenFolder, QFileInfo(path).absolutePath());
  if (Load(QFileInfo(path).absoluteFilePath())) {
    Uses.Recent.Remember(path);
    Uses.Model.ShowTitle();
  }
}

void TFileCommands::SaveGame() {
  // Saving under the placeholder would silently replace the last new game.
  if (NeedsName()) {
    SaveGameAs();
    return;
  }
  if (Save(Game().FilePath)) {
    Game().Unsaved = false;
    Uses.Recent.Remember(Game().FilePath);
  }
}

void TFileCommands::SaveGameAs() {
  if (!Uses.Messages.Dialogs)
    return;
  const bool hasFile = !NeedsName() && Game().FilePath != TGameData::EmptyGamePath();
  QString path = Uses.Messages.Dialogs->AskSaveGameFile(
      Uses.Recent.SaveFolder(hasFile, GamesFolder(Setting::SaveFolder)), SaveFileName);
  if (path.isEmpty())
    return;
  if (path.size() < 5 || path.right(4).toUpper() != ".QBX")
    path += ".qbx";
  SaveFileName = QFileInfo(path).fileName();
  if (QFileInfo::exists(path) &&
      !Uses.Messages.Dialogs->AskYesNo(
          QCoreApplication::translate("TGame", "Confirm Overwriting"),
          QCoreApplication::translate("TGame", "Overwrite Existing Game?")))
    return;
  Uses.Settings.Write(Setting::SaveFolder, QFileInfo(path).absolutePath());
  if (!Save(path))
    return;
  Game().FilePath = QFileInfo(path).absoluteFilePath();
  Uses.Caption.ShowGame(Game().FilePath);
  Game().Unsaved = false;
  Uses.Recent.Remember(Game().FilePath);
}

void TFileCommands::CreateGame() {
  Uses.Screen.ClearForBuilder();
  // A new game starts with every frame and every stretch ticked; the colours stay.
  Game().PlayBox.Draw = Game().ScoreBox.Draw = Game().NextBox.Draw = true;
  Game().StartSkin.Stretch = Game().PlayingSkin.Stretch = Game().GameOverSkin.Stretch = true;
  Uses.Sounds.Play("Dialog");
  if (Uses.Messages.Dialogs && Uses.Messages.Dialogs->ShowBuilder(Game(), true)) {
    Game().FilePath = GamesFolder(Setting::SaveFolder) + "/untitled.qbx";
    Uses.Caption.ShowGame(Game().FilePath);
    Game().MarkBuilt();
  }
  Uses.Screen.Blank();
  Uses.Model.ShowTitle();
}

void TFileCommands::EditGame() {
  if (Game().LevelCount() == 0)
    return;
  if (const TStatus copied = Uses.Document.CopyOutAll(); !copied.Ok()) {
    Uses.Messages.Report(copied.Error());
    return;
  }
  Uses.Screen.ClearForBuilder();
  Uses.Sounds.Play("Dialog");
  if (Uses.Messages.Dialogs && Uses.Messages.Dialogs->ShowBuilder(Game(), false))
    Game().MarkBuilt();
  Uses.Screen.Blank();
  Uses.Model.ShowTitle();
}

void TFileCommands::MakeExe() {
  if (!Uses.Messages.Dialogs)
    return;
  if (Game().LevelCount() == 0 || Game().Unsaved || !QFileInfo(Game().FilePath).isFile()) {
    Uses.Messages.Report(QCoreApplication::translate(
        "TGame", "Make EXE uses the saved game file: open or save a game first."));
    return;
  }
  QString target = Game().FilePath;
  target.chop(4);
  if (target == ProgramPath) {
    Uses.Messages.Dialogs->ShowMessageBox(
        "", QCoreApplication::translate("TGame", "Cannot Create file Quarrybox.exe!"), "");
    return;
  }
  if (QFileInfo::exists(target) &&
      Uses.Messages.Dialogs->ShowConfirmBox(
          QCoreApplication::translate("TGame", "Confirm Overwrite Game"),
          QCoreApplication::translate("TGame", "Game File"), target,
          QCoreApplication::translate("TGame", "will be overwritten.")) != 1)
    return;
  const QString runtime = StandAloneRuntime(ProgramPath);
  if (!QFileInfo::exists(runtime)) {
    Uses.Messages.Report(
        QCoreApplication::translate("TGame",
                                    "Make EXE needs the stand-alone runtime, which is missing: %1")
            .arg(runtime));
    return;
  }
  if (!MakeStandAlone(runtime, Game().FilePath, target).Ok()) {
    Uses.Messages.Dialogs->ShowMessageBox(
        "", QCoreApplication::translate("TGame", "Disk Write Error!"), "");
    return;
  }
  Uses.Messages.Dialogs->ShowMessageBox(
      QCoreApplication::translate("TGame", "Game with a name:"), target,
      QCoreApplication::translate("TGame", "has just been created!"));
}
