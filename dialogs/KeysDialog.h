#pragma once
// The player's own keys: a row per action with its keys. A key is added by pressing it once
// "Add Key" was chosen; a key that another action already answers to is refused with a word
// saying which, as is a key the window keeps for its menus. "Default" gives back the program's
// keys; Ok keeps the table (it refuses an action left without a key), Cancel forgets it.
// The game controllers' buttons stay as they are.

#include "dialogs/DialogHost.h"
#include "input/KeyBindings.h"

#include <QMap>

class QLabel;
class QPushButton;
class QTableWidget;

class TKeysDialog : public TDialogForm {
  Q_OBJECT

public:
  // reserved: keys the window uses itself (menu shortcuts), with what each does.
  TKeysDialog(TDialogHost &host, const TKeyBindings &bindings,
              QMap<TKeyCode, QString> reserved = {}, QWidget *parent = nullptr);

  const TKeyBindings &Bindings() const { return Edited; }
  // The text under the table: what to do next, or why a key was refused.
  QString Notice() const;

  // What a pressed key does to the selected action (also what the dialog's key press does
  // while it waits for one): added, or refused with a notice.
  void TakeKey(TKeyCode key);

protected:
  void FormShow() override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;

private:
  void MakeTable();
  void LayOut();
  void Fill();
  void RestoreDefaults();
  void StartWaiting();
  void StopWaiting(const QString &notice);
  void ClearSelected();
  void OkClicked();
  TPlayerAction SelectedAction() const;
  static QString ActionName(TPlayerAction action);

  TKeyBindings Edited;
  QMap<TKeyCode, QString> Reserved;
  bool Waiting = false;
  bool EscapeCancelledWait = false;
  QTableWidget *Table;
  QLabel *NoticeLabel;
  QPushButton *AddButton;
  QPushButton *ClearButton;
  QPushButton *DefaultButton;
  QPushButton *OkButton;
  QPushButton *CancelButton;
};
