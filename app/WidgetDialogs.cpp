#include "app/WidgetDialogs.h"

#include "app/AboutForm.h"
#include "app/Game.h"
#include "app/GameSound.h"
#include "app/MainMenu.h"
#include "app/VisitSiteForm.h"
#include "builder/BuilderForm.h"
#include "builder/BuilderWidgetQuestions.h"
#include "dialogs/ConfirmDialog.h"
#include "dialogs/FileDialog.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "dialogs/ScoreDialog.h"
#include "input/KeyBindings.h"
#include "media/KeyStateTable.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>

TWidgetDialogs::TWidgetDialogs(TGame &game, TSettingsStore &settings, TGameSound *sound,
                               QWidget *parent)
    : Game(game), Settings(settings), Sound(sound), Parent(parent) {}

TWidgetDialogs::~TWidgetDialogs() = default;

namespace {

// Each window is made when it is first shown: a game opens few of them, and making them all
// would hold up the start.
template <class TForm, class... TArgs> TForm &Made(std::unique_ptr<TForm> &form, TArgs &&...args) {
  if (!form)
    form = std::make_unique<TForm>(std::forward<TArgs>(args)...);
  return *form;
}

} // namespace

void TWidgetDialogs::SetSuspended(bool suspended) { Game.Model().Pause().SetSuspended(suspended); }

void TWidgetDialogs::PlaySound(const QString &name) { Game.PlaySound(name); }

THeldKeyFilter::TWasDown TWidgetDialogs::KeysDownNow() {
  const QList<TKeyCode> down = Game.Keys().HeldKeys();
  if (down.isEmpty())
    return {};
  return [down](const QKeyEvent &event) {
    return down.contains(KeyOfEvent(event.key(), event.modifiers()));
  };
}

void TWidgetDialogs::ShowMessageBox(const QString &l1, const QString &l2, const QString &l3) {
  Made(MessageDialog, Host(), Parent).ShowMessageBox(l1, l2, l3);
}

int TWidgetDialogs::ShowConfirmBox(const QString &caption, const QString &l1, const QString &l2,
                                   const QString &l3) {
  return Made(ConfirmDialog, Host(), Parent).ShowConfirmBox(caption, l1, l2, l3);
}

void TWidgetDialogs::ShowScoreTable(TScoreTable &table, int entryRow) {
  TScoreDialog &form = Made(ScoreDialog, Host(), Parent);
  if (entryRow >= 1 && entryRow <= TScoreDialog::RowCount) {
    form.EnterName(table, entryRow);
    return;
  }
  // The game has played the chime already.
  form.SetTable(table);
  form.SetEntryRow(TScoreDialog::ViewOnly);
  form.exec();
}

void TWidgetDialogs::ShowPreferences() {
  TPreferencesDialog &form =
      Made(PreferencesDialog, Host(), Game.Model().Session().Prefs, Settings, Parent);
  form.SetReservedKeys(MenuShortcutKeys(Parent));
  form.OnVolumeChanged = [this](int percent) {
    if (Sound)
      Sound->SetVolume(percent);
  };
  form.exec();
}

void TWidgetDialogs::ShowAbout() { Made(AboutForm, Host(), Parent).exec(); }

void TWidgetDialogs::ShowVisitSite() { Made(VisitSiteForm, Host(), Parent).exec(); }

void TWidgetDialogs::OpenHelp(const QString &address) { QDesktopServices::openUrl(QUrl(address)); }

bool TWidgetDialogs::AnyVisible() const {
  const QWidget *windows[] = {MessageDialog.get(),     ConfirmDialog.get(), ScoreDialog.get(),
                              PreferencesDialog.get(), AboutForm.get(),     VisitSiteForm.get()};
  for (const QWidget *w : windows)
    if (w && w->isVisible())
      return true;
  return false;
}

namespace {
QString GameFilter() {
  return QCoreApplication::translate("TWidgetDialogs", "Quarrybox Game") + " (*.qbx)";
}
} // namespace

QString TWidgetDialogs::AskOpenGameFile(const QString &folder) {
  return FileDialog::AskOpenFile(Parent, QCoreApplication::translate("TWidgetDialogs", "Open Game"),
                                 folder, GameFilter());
}

QString TWidgetDialogs::AskSaveGameFile(const QString &folder, const QString &fileName) {
  return FileDialog::AskSaveFile(Parent,
                                 QCoreApplication::translate("TWidgetDialogs", "Save Game As"),
                                 folder + '/' + fileName, GameFilter());
}

bool TWidgetDialogs::AskYesNo(const QString &caption, const QString &text) {
  return QMessageBox::question(Parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

bool TWidgetDialogs::ShowBuilder(TGameData &game, bool create) {
  TBuilderWidgetQuestions questions(Host(), Parent);
  TQuarryboxBuilderForm builder(Host(), game, Settings, questions, Game.Screen().Picture(),
                                Game.ProgramFolder(), Game.WorkingFolder() + "added", Parent);
  builder.OnPreviewChanged = [this] { Game.Screen().Shown().ShowAll(); };
  if (create)
    builder.ResetGame();
  else
    builder.LoadGame();
  // The game has played the chime already.
  if (builder.ShowModal() != QDialog::Accepted)
    return false;
  builder.Model().ApplyTo(game);
  return true;
}
