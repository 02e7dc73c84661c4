#include "builder/PictureIntake.h"

#include "builder/BuilderQuestions.h"
#include "builder/PictureImport.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>

#include <utility>

TPictureIntake::TPictureIntake(TSettingsStore &settings, TBuilderQuestions &questions,
                               QString programFolder, QString importFolder)
    : Settings(settings), Questions(questions), ProgramFolder(std::move(programFolder)),
      ImportFolder(std::move(importFolder)) {}

QString TPictureIntake::AskOne() {
  const QString file = Questions.AskPicture(Folder());
  if (!file.isEmpty())
    Remember(file);
  return file;
}

QStringList TPictureIntake::AskSeveral() {
  const QStringList files = Questions.AskPictures(Folder());
  if (!files.isEmpty())
    Remember(files.first());
  return files;
}

void TPictureIntake::Take(const QStringList &files,
                          const std::function<void(const QStringList &)> &use) {
  const TImportedPictures taken = ImportPictures(files, ImportFolder);
  use(taken.Files);
  if (!taken.Skipped.isEmpty())
    Questions.ShowReport(tr("Pictures not added"), SkippedPicturesText(taken.Skipped));
}

QString TPictureIntake::Folder() const {
  const QString remembered = Settings.Read(Setting::BuilderOpenFolder);
  return remembered.isEmpty() ? ProgramFolder + "Games" : remembered;
}

void TPictureIntake::Remember(const QString &file) {
  Settings.Write(Setting::BuilderOpenFolder, QFileInfo(file).absolutePath() + '/');
}
