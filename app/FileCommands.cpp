#include "app/FileCommands.h"

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/GameDialogs.h"
#include "app/MenuCommands.h"
#include "app/PlayFlow.h"
#include "app/RecentGameCommands.h"
#include "gamefile/StandAlone.h"

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

TFileCommands::TFileCommands(TGameParts &parts, TPlayFlow &flow, TMenuCommands &commands,
                             TRecentGameCommands &recent)
    : TGamePart(parts), Flow(flow), Commands(commands), Recent(recent) {}

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
      Parts.Report(CannotOpenMessage(commandLine));
    add(games.Named);
  }
  add(OpenStoredFileName(Settings.Read(Setting::LastGame)));
  add(Parts.Folder + "Games/Default.qbx");
  return games;
}

void TFileCommands::OpenGameMessage() {
  if (!Flow.TitleShown())
    return;
  // A name or a local file's address (a name that is not UTF-8 comes as one).
  const QString path = OpenStoredFileName(Settings.Read(Setting::HandedOverGame));
  if (path.isEmpty())
    return;
  if (!QFileInfo(path).isFile()) {
    Parts.Report(CannotOpenMessage(path));
    return;
  }
  // An edited game is not lost to a double-clicked one: the same questions as Open.
  if (!LeaveCurrentGame())
    return;
  Document.DeleteWorkingPictures();
  if (Parts.LoadGame(QFileInfo(path).absoluteFilePath())) {
    Recent.Remember(path);
    Flow.ShowTitleSoon();
  }
}

QString TFileCommands::GamesFolder(const Setting::TText &setting) const {
  const QString remembered = Settings.Read(setting);
  return remembered.isEmpty() ? Parts.Folder + "Games" : remembered;
}

bool TFileCommands::SaveIfModified(bool clearAlways) {
  if (!Data.Unsaved)
    return true;
  const bool yes =
      Parts.Dialogs && Parts.Dialogs->AskYesNo(QCoreApplication::translate("TGame", "Warning"),
                                               QCoreApplication::translate("TGame", "Save Game?"));
  if (yes) {
    if (NeedsName())
      SaveGameAs();
    else if (!Save(Data.FilePath))
      return false;
  }
  if (yes || clearAlways)
    Data.Unsaved = false;
  return true;
}

// A game made with Create Game carries a placeholder name until the author gives it one.
bool TFileCommands::NeedsName() const { return Data.FilePath.contains("untitled.qbx"); }

// Writes the whole game to path.
bool TFileCommands::Save(const QString &path) {
  const TStatus saved = Document.SaveTo(path);
  Parts.ReportFailure(saved);
  return saved.Ok();
}

// Before another game is opened: a running game stops (if the player agrees) and a changed
// game may be saved. False when the player keeps the running game.
bool TFileCommands::LeaveCurrentGame() {
  if (Flow.GameRunning()) {
    Commands.StopGame();
    if (!Commands.StopAccepted())
      return false;
  }
  SaveIfModified(true);
  return true;
}

void TFileCommands::OpenGame() {
  if (!LeaveCurrentGame() || !Parts.Dialogs)
    return;
  OpenGameFile(Parts.Dialogs->AskOpenGameFile(GamesFolder(Setting::OpenFolder)));
}

void TFileCommands::OpenDroppedGame(const QString &path) {
  if (Commands.Offered(TCommand::OpenGame) && LeaveCurrentGame())
    OpenGameFile(path);
}

void TFileCommands::OpenRecentGame(const QString &stored) {
  if (const QString path = Recent.PathToOpen(stored); !path.isEmpty())
    OpenDroppedGame(path);
}

void TFileCommands::OpenGameFile(const QString &path) {
  if (path.isEmpty() || !QFileInfo(path).isFile())
    return;
  Document.DeleteWorkingPictures();
  if (!ReachedByDescriptor(path)) // a descriptor's folder means nothing to the next start
    Settings.Write(Setting::OpenFolder, QFileInfo(path).absolutePath());
  if (Parts.LoadGame(QFileInfo(path).absoluteFilePath())) {
    Recent.Remember(path);
    Flow.SetGameState(StateTitle);
  }
}

void TFileCommands::SaveGame() {
  // Saving under the placeholder would silently replace the last new game.
  if (NeedsName()) {
    SaveGameAs();
    return;
  }
  if (Save(Data.FilePath)) {
    Data.Unsaved = false;
    Recent.Remember(Data.FilePath);
  }
}

void TFileCommands::SaveGameAs() {
  if (!Parts.Dialogs)
    return;
  const bool hasFile = !NeedsName() && Data.FilePath != TGameData::EmptyGamePath();
  QString path = Parts.Dialogs->AskSaveGameFile(
      Recent.SaveFolder(hasFile, GamesFolder(Setting::SaveFolder)), SaveFileName);
  if (path.isEmpty())
    return;
  if (path.size() < 5 || path.right(4).toUpper() != ".QBX")
    path += ".qbx";
  SaveFileName = QFileInfo(path).fileName();
  if (QFileInfo::exists(path) &&
      !Parts.Dialogs->AskYesNo(QCoreApplication::translate("TGame", "Confirm Overwriting"),
                               QCoreApplication::translate("TGame", "Overwrite Existing Game?")))
    return;
  Settings.Write(Setting::SaveFolder, QFileInfo(path).absolutePath());
  if (!Save(path))
    return;
  Data.FilePath = QFileInfo(path).absoluteFilePath();
  Parts.SetGameCaption();
  Data.Unsaved = false;
  Recent.Remember(Data.FilePath);
}

void TFileCommands::CreateGame() {
  View.ClearScore();
  View.Overlays().ShowPrompt(false);
  // A new game starts with every frame and every stretch ticked; the colours stay.
  Data.PlayBox.Draw = Data.ScoreBox.Draw = Data.NextBox.Draw = true;
  Data.StartSkin.Stretch = Data.PlayingSkin.Stretch = Data.GameOverSkin.Stretch = true;
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs && Parts.Dialogs->ShowBuilder(Data, true)) {
    Data.FilePath = GamesFolder(Setting::SaveFolder) + "/untitled.qbx";
    Parts.SetGameCaption();
    Data.MarkBuilt();
  }
  View.Blank();
  Flow.SetGameState(StateTitle);
}

void TFileCommands::EditGame() {
  if (Data.LevelCount() == 0)
    return;
  if (const TStatus copied = Document.CopyOutAll(); !copied.Ok()) {
    Parts.Report(copied.Error());
    return;
  }
  View.ClearScore();
  View.Overlays().ShowPrompt(false);
  Parts.PlaySound("Dialog");
  if (Parts.Dialogs && Parts.Dialogs->ShowBuilder(Data, false))
    Data.MarkBuilt();
  View.Blank();
  Flow.SetGameState(StateTitle);
}

void TFileCommands::MakeExe() {
  if (!Parts.Dialogs)
    return;
  if (Data.LevelCount() == 0 || Data.Unsaved || !QFileInfo(Data.FilePath).isFile()) {
    Parts.Report(QCoreApplication::translate(
        "TGame", "Make EXE uses the saved game file: open or save a game first."));
    return;
  }
  QString target = Data.FilePath;
  target.chop(4);
  if (target == Parts.ProgramPath) {
    Parts.Dialogs->ShowMessageBox(
        "", QCoreApplication::translate("TGame", "Cannot Create file Quarrybox.exe!"), "");
    return;
  }
  if (QFileInfo::exists(target) &&
      Parts.Dialogs->ShowConfirmBox(QCoreApplication::translate("TGame", "Confirm Overwrite Game"),
                                    QCoreApplication::translate("TGame", "Game File"), target,
                                    QCoreApplication::translate("TGame", "will be overwritten.")) !=
          1)
    return;
  const QString runtime = StandAloneRuntime(Parts.ProgramPath);
  if (!QFileInfo::exists(runtime)) {
    Parts.Report(QCoreApplication::translate(
                     "TGame", "Make EXE needs the stand-alone runtime, which is missing: %1")
                     .arg(runtime));
    return;
  }
  if (!MakeStandAlone(runtime, Data.FilePath, target).Ok()) {
    Parts.Dialogs->ShowMessageBox("", QCoreApplication::translate("TGame", "Disk Write Error!"),
                                  "");
    return;
  }
  Parts.Dialogs->ShowMessageBox(QCoreApplication::translate("TGame", "Game with a name:"), target,
                                QCoreApplication::translate("TGame", "has just been created!"));
}
