#pragma once
// The game's windows as real widgets: the program's message boxes, the score table, the
// preferences, About, the web-site window, and the help page in the desktop's browser.

#include "app/GameDialogs.h"
#include "dialogs/DialogHost.h"

#include <memory>

class QWidget;
class TAboutForm;
class TGame;
class TGameSound;
class TPreferencesDialog;
class TScoreDialog;
class TSettingsStore;
class TMessageDialog;
class TConfirmDialog;
class TVisitSiteForm;

class TWidgetDialogs final : public TGameDialogs, private TDialogHost {
public:
  // sound: where the Preferences' volume slider is heard at once; none: silent.
  TWidgetDialogs(TGame &game, TSettingsStore &settings, TGameSound *sound, QWidget *parent);
  ~TWidgetDialogs() override;

  void ShowMessageBox(const QString &line1, const QString &line2, const QString &line3) override;
  int ShowConfirmBox(const QString &caption, const QString &line1, const QString &line2,
                     const QString &line3) override;
  void ShowScoreTable(TScoreTable &table, int entryRow) override;
  void ShowPreferences() override;
  void ShowAbout() override;
  void ShowVisitSite() override;
  void OpenHelp(const QString &address) override;
  bool AnyVisible() const override;
  QString AskOpenGameFile(const QString &folder) override;
  QString AskSaveGameFile(const QString &folder, const QString &fileName) override;
  bool AskYesNo(const QString &caption, const QString &text) override;
  bool ShowBuilder(TGameData &game, bool create) override;

private:
  TDialogHost &Host() { return *this; }
  void SetSuspended(bool suspended) override;
  void PlaySound(const QString &name) override;
  THeldKeyFilter::TWasDown KeysDownNow() override;

  TGame &Game;
  TSettingsStore &Settings;
  TGameSound *Sound;
  QWidget *Parent;
  std::unique_ptr<TMessageDialog> MessageDialog;
  std::unique_ptr<TConfirmDialog> ConfirmDialog;
  std::unique_ptr<TScoreDialog> ScoreDialog;
  std::unique_ptr<TPreferencesDialog> PreferencesDialog;
  std::unique_ptr<TAboutForm> AboutForm;
  std::unique_ptr<TVisitSiteForm> VisitSiteForm;
};
