#include "app/GamePart.h"

#include "app/CommandLine.h"
#include "app/GameDialogs.h"
#include "app/GameSound.h"
#include "app/NotAGame.h"
#include "app/Timing.h"
#include "app/Trace.h"
#include "pictures/PictureDecoder.h"
#include "resources/BuiltinPictures.h"

#include <QDebug>
#include <QImageReader>

namespace {

QImage BuiltinPicture(const char *name) {
  InitBuiltinPictures();
  // Read as the type its name says: a reader that guesses asks every image plugin installed
  // whether it knows the contents, loading each one at start-up.
  const QString file = TranslatedBuiltinName(QString::fromLatin1(name));
  QImageReader reader(QStringLiteral(":/pictures/") + file, file.section('.', -1).toLatin1());
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

TScreenPictures BuiltinScreenPictures() {
  return {BuiltinPicture("Parts.bmp"), BuiltinPicture("Figure.bmp"), BuiltinPicture("Small.bmp"),
          BuiltinPicture("PressSP.png"), BuiltinPicture("PauseL.png")};
}

} // namespace

TGameParts::TGameParts(TScheduler &scheduler, TSettingsStore &settings, quint64 randomSeed)
    : Scheduler(scheduler), Settings(settings), View(FormObject, BuiltinScreenPictures()),
      PlayerInput(KeyTable), FrameTimer(scheduler), Session(randomSeed),
      LevelPictures(!scheduler.IsVirtual()) {
  FormObject.setObjectName("MainForm");
  FrameTimer.SetInterval(Timing::FrameInterval);
  View.Surface().OnInitialize = [this] { FrameTimer.SetEnabled(true); };
  View.Surface().OnFinalize = [this] { FrameTimer.SetEnabled(false); };
  KeyTable.OnChange = [this] { FrameTimer.WakeUp(); };
}

bool TGameParts::LoadGame(const QString &path) {
  QString scoresProblem;
  const TStatus read = Document.Open(path, scoresProblem);
  if (!read.Ok()) {
    const QString notAGame = NotAGameMessage(path);
    Report(notAGame.isEmpty() ? read.Error() : notAGame);
    return false;
  }
  if (!scoresProblem.isEmpty())
    Report(scoresProblem);
  LevelPictures.Drop();
  View.Blank();
  SetGameCaption();
  return true;
}

void TGameParts::ReportFailure(const TStatus &status) {
  if (!status.Ok())
    Report(status.Error());
}

void TGameParts::Report(const QString &text) {
  Trace::Event("message", "Message||" + text + '|');
  if (Closing) {
    qWarning().noquote() << text;
    return;
  }
  if (Dialogs)
    Dialogs->ShowMessageBox("", text, "");
}

QImage TGameParts::LoadPicture(const QString &path, int type) const {
  return TPictureDecoder().DecodeFile(path, quint8(type)).Image;
}

void TGameParts::SetGameCaption() {
  ApplicationTitle = "Quarrybox - " + ShownGameName(Data.FilePath);
  SetCaption(ApplicationTitle);
}

void TGameParts::SetCaption(const QString &text) {
  if (text == CaptionText)
    return;
  CaptionText = text;
  Trace::Event("caption", text);
  if (OnCaptionChanged)
    OnCaptionChanged();
}

void TGameParts::PlaySound(const QString &name) {
  if (!SoundOn || !Sound)
    return;
  Sound->Play(name);
  Trace::Event("sound", name);
}

void TGameParts::ClearInputStates() { PlayerInput.Remove(PlayerInput.Actions()); }
