#pragma once
// Stand-ins for the windows and the sound device of the game: they record what the game asked
// and give scripted answers.

#include "app/GameDialogs.h"
#include "app/GameSound.h"

#include <QStringList>

#include <functional>

class TFakeDialogs : public TGameDialogs {
public:
  void ShowMessageBox(const QString &l1, const QString &l2, const QString &l3) override {
    Messages << (l1 + '|' + l2 + '|' + l3);
    if (WhileMessageShows)
      WhileMessageShows();
  }
  int ShowConfirmBox(const QString &caption, const QString &, const QString &l2,
                     const QString &) override {
    Confirms << caption + '|' + l2;
    return ConfirmAnswer;
  }
  void ShowScoreTable(TScoreTable &table, int entryRow) override {
    ScoreRows << entryRow;
    if (entryRow >= 1 && entryRow <= 10)
      table[size_t(entryRow - 1)].Name = TypedName;
  }
  void ShowPreferences() override { Opened << "Preferences"; }
  void ShowAbout() override { Opened << "About"; }
  void ShowVisitSite() override { Opened << "VisitSite"; }
  void OpenHelp(const QString &address) override { Opened << address; }
  bool AnyVisible() const override { return Visible; }
  QString AskOpenGameFile(const QString &folder) override {
    Opened << "open:" + folder;
    return OpenAnswer;
  }
  QString AskSaveGameFile(const QString &folder, const QString &fileName) override {
    Opened << "save:" + folder + '|' + fileName;
    return SaveAnswer;
  }
  bool ShowBuilder(TGameData &game, bool create) override {
    Opened << (create ? "builder:create" : "builder:edit");
    BuilderSawLevels = game.LevelCount();
    if (BuilderResult)
      BuilderResult(game);
    return bool(BuilderResult);
  }
  bool AskYesNo(const QString &caption, const QString &text) override {
    Questions << caption + '|' + text;
    return YesAnswer;
  }

  int ConfirmAnswer = 1;
  QString OpenAnswer, SaveAnswer;
  bool YesAnswer = true;
  std::function<void(TGameData &)> BuilderResult; // set: the builder closes with OK
  std::function<void()> WhileMessageShows;        // what happens while a message box is open
  int BuilderSawLevels = -1;
  bool Visible = false;
  QByteArray TypedName = "Alice ";
  QStringList Messages, Confirms, Opened, Questions;
  QList<int> ScoreRows;
};

class TFakeSound : public TGameSound {
public:
  bool Initialize() override {
    ++Opens;
    IsOpen = DeviceWorks;
    return IsOpen;
  }
  void Finalize() override { IsOpen = false; }
  bool Initialized() const override { return IsOpen; }
  void Play(const QString &name) override { Played << name; }
  void SetVolume(int percent) override { Volume = percent; }

  bool DeviceWorks = true;
  bool IsOpen = false;
  int Opens = 0;
  int Volume = -1; // none set
  QStringList Played;
};
