#pragma once
// The windows the game opens and waits for: its own message boxes, the score table, the
// preferences, About and the web-site window, and the help page. The real ones are widgets;
// tests pass scripted answers.

#include "gamefile/GameData.h"

#include <QString>

class TGameDialogs {
public:
  virtual ~TGameDialogs() = default;

  virtual void ShowMessageBox(const QString &line1, const QString &line2, const QString &line3) = 0;
  // 1 for OK, 2 for Cancel or Escape, -1 when closed any other way.
  virtual int ShowConfirmBox(const QString &caption, const QString &line1, const QString &line2,
                             const QString &line3) = 0;
  // entryRow 1..10: that row's name is typed (and stored into the table); 11: view only.
  virtual void ShowScoreTable(TScoreTable &table, int entryRow) = 0;
  virtual void ShowPreferences() = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowVisitSite() = 0;
  virtual void OpenHelp(const QString &address) = 0;
  // File dialogs for games ("*.qbx"): the chosen path, or empty when cancelled.
  virtual QString AskOpenGameFile(const QString &folder) = 0;
  virtual QString AskSaveGameFile(const QString &folder, const QString &fileName) = 0;
  // The system's Yes/No question with a question icon: true for Yes.
  virtual bool AskYesNo(const QString &caption, const QString &text) = 0;
  // The game builder on the current game: create (a new game) or edit. Box flags and colours
  // change at once; skins and levels only when the builder closes with OK, which it returns.
  virtual bool ShowBuilder(TGameData &game, bool create) = 0;
  // One of the game's windows is open.
  virtual bool AnyVisible() const = 0;
};
