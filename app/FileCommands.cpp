// The File menu's commands for game files: Open Game, Save Game, Save Game As, Create Game,
// Edit Game and Make EXE, and the save question that Open and closing the window share.
#include "app/Game.h"

#include "app/DataFolder.h"
#include "app/GameDialogs.h"
#include "gamefile/StandAlone.h"

#include <QCoreApplication>
#include <QFileInfo>

QString TGame::GamesFolder(const char *setting) const {
  const QString remembered = Settings.ReadSetting(setting);
  return remembered.isEmpty() ? Folder + "Games" : remembered;
}

bool TGame::SaveIfModified(bool clearAlways) {
  if (!Data.Unsaved)
    return true;
  const bool yes = Dialogs && Dialogs->AskYesNo(QCoreApplication::translate("TGame", "Warning"),
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
bool TGame::NeedsName() const { return Data.FilePath.contains("untitled.qbx"); }

// Writes the whole game to path.
bool TGame::Save(const QString &path) {
  const TStatus saved = Document.SaveTo(path);
  ReportFailure(saved);
  return saved.Ok();
}

// Before another game is opened: a running game stops (if the player agrees) and a changed
// game may be saved. False when the player keeps the running game.
bool TGame::LeaveCurrentGame() {
  if (GameRunning) {
    StopGame();
    if (!StopAccepted)
      return false;
  }
  SaveIfModified(true);
  return true;
}

void TGame::OpenGame() {
  if (!LeaveCurrentGame() || !Dialogs)
    return;
  OpenGameFile(Dialogs->AskOpenGameFile(GamesFolder("QBXOpenPath")));
}

void TGame::OpenDroppedGame(const QString &path) {
  if (Offered(TCommand::OpenGame) && LeaveCurrentGame())
    OpenGameFile(path);
}

void TGame::OpenGameFile(const QString &path) {
  if (path.isEmpty() || !QFileInfo(path).isFile())
    return;
  Document.DeleteWorkingPictures();
  Settings.WriteSetting("QBXOpenPath", QFileInfo(path).absolutePath());
  if (LoadGame(QFileInfo(path).absoluteFilePath()))
    SetGameState(StateTitle);
}

void TGame::SaveGame() {
  // Saving under the placeholder would silently replace the last new game.
  if (NeedsName()) {
    SaveGameAs();
    return;
  }
  if (Save(Data.FilePath))
    Data.Unsaved = false;
}

void TGame::SaveGameAs() {
  if (!Dialogs)
    return;
  QString path = Dialogs->AskSaveGameFile(GamesFolder("QBXSavePath"), SaveFileName);
  if (path.isEmpty())
    return;
  if (path.size() < 5 || path.right(4).toUpper() != ".QBX")
    path += ".qbx";
  SaveFileName = QFileInfo(path).fileName();
  if (QFileInfo::exists(path) &&
      !Dialogs->AskYesNo(QCoreApplication::translate("TGame", "Confirm Overwriting"),
                         QCoreApplication::translate("TGame", "Overwrite Existing Game?")))
    return;
  Settings.WriteSetting("QBXSavePath", QFileInfo(path).absolutePath());
  if (!Save(path))
    return;
  Data.FilePath = QFileInfo(path).absoluteFilePath();
  SetGameCaption();
  Data.Unsaved = false;
}

void TGame::CreateGame() {
  View.ClearScore();
  View.Overlays().ShowPrompt(false);
  // A new game starts with every frame and every stretch ticked; the colours stay.
  Data.PlayBox.Draw = Data.ScoreBox.Draw = Data.NextBox.Draw = true;
  Data.StartSkin.Stretch = Data.PlayingSkin.Stretch = Data.GameOverSkin.Stretch = true;
  PlaySound("Dialog");
  if (Dialogs && Dialogs->ShowBuilder(Data, true)) {
    Data.FilePath = GamesFolder("QBXSavePath") + "/untitled.qbx";
    SetGameCaption();
    Data.MarkBuilt();
  }
  View.Blank();
  SetGameState(StateTitle);
}

void TGame::EditGame() {
  if (Data.LevelCount() == 0)
    return;
  if (const TStatus copied = Document.CopyOutAll(); !copied.Ok()) {
    Report(copied.Error());
    return;
  }
  View.ClearScore();
  View.Overlays().ShowPrompt(false);
  PlaySound("Dialog");
  if (Dialogs && Dialogs->ShowBuilder(Data, false))
    Data.MarkBuilt();
  View.Blank();
  SetGameState(StateTitle);
}

void TGame::MakeExe() {
  if (!Dialogs)
    return;
  if (Data.LevelCount() == 0 || Data.Unsaved || !QFileInfo(Data.FilePath).isFile()) {
    Report(QCoreApplication::translate(
        "TGame", "Make EXE uses the saved game file: open or save a game first."));
    return;
  }
  QString target = Data.FilePath;
  target.chop(4);
  if (target == ProgramPath) {
    Dialogs->ShowMessageBox(
        "", QCoreApplication::translate("TGame", "Cannot Create file Quarrybox.exe!"), "");
    return;
  }
  if (QFileInfo::exists(target) &&
      Dialogs->ShowConfirmBox(QCoreApplication::translate("TGame", "Confirm Overwrite Game"),
                              QCoreApplication::translate("TGame", "Game File"), target,
                              QCoreApplication::translate("TGame", "will be overwritten.")) != 1)
    return;
  const QString runtime = StandAloneRuntime(ProgramPath);
  if (!QFileInfo::exists(runtime)) {
    Report(QCoreApplication::translate(
               "TGame", "Make EXE needs the stand-alone runtime, which is missing: %1")
               .arg(runtime));
    return;
  }
  if (!MakeStandAlone(runtime, Data.FilePath, target).Ok()) {
    Dialogs->ShowMessageBox("", QCoreApplication::translate("TGame", "Disk Write Error!"), "");
    return;
  }
  Dialogs->ShowMessageBox(QCoreApplication::translate("TGame", "Game with a name:"), target,
                          QCoreApplication::translate("TGame", "has just been created!"));
}
