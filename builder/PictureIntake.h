#pragma once
// The pictures the author brings into the builder, as skins or levels. The file dialogs open
// in the folder a picture was last chosen from (at first the program's "Games"); chosen or
// dropped files are imported into the import folder, converted where a game needs it, and the
// files that could not be taken are named in one report.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class TBuilderQuestions;
class TSettingsStore;

class TPictureIntake {
  // Its texts are the builder window's.
  Q_DECLARE_TR_FUNCTIONS(TQuarryboxBuilderForm)

public:
  // programFolder ends with a separator.
  TPictureIntake(TSettingsStore &settings, TBuilderQuestions &questions, QString programFolder,
                 QString importFolder);

  // One picture file; empty when the author cancels.
  QString AskOne();
  // Several picture files in the order chosen; empty when the author cancels.
  QStringList AskSeveral();
  // Imports `files` and hands the imported copies to `use`; then reports the skipped ones, so
  // that the report comes after what `use` shows.
  void Take(const QStringList &files, const std::function<void(const QStringList &)> &use);

private:
  QString Folder() const;
  void Remember(const QString &file);

  TSettingsStore &Settings;
  TBuilderQuestions &Questions;
  QString ProgramFolder;
  QString ImportFolder;
};
