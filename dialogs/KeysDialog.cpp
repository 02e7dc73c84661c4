#include "dialogs/KeysDialog.h"

#include "input/StoredKeyBindings.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QPushButton *Button(QWidget *parent, const char *name, const QString &caption) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

} // namespace

TKeysDialog::TKeysDialog(TDialogHost &host, const TKeyBindings &bindings,
                         QMap<TKeyCode, QString> reserved, QWidget *parent)
    : TDialogForm(host, parent), Edited(bindings), Reserved(std::move(reserved)) {
  setObjectName("KeysDialog");
  setWindowTitle(tr("Keys"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  MakeTable();
  NoticeLabel = new QLabel(this);
  NoticeLabel->setObjectName("noticeLabel");
  NoticeLabel->setWordWrap(true);
  AddButton = Button(this, "addKeyButton", tr("&Add Key"));
  ClearButton = Button(this, "clearKeysButton", tr("&Clear Keys"));
  DefaultButton = Button(this, "defaultButton", tr("&Default"));
  OkButton = Button(this, "okButton", tr("Ok"));
  CancelButton = Button(this, "cancelButton", tr("Cancel"));
  LayOut();

  connect(AddButton, &QPushButton::clicked, this, [this] { StartWaiting(); });
  connect(ClearButton, &QPushButton::clicked, this, [this] { ClearSelected(); });
  connect(DefaultButton, &QPushButton::clicked, this, [this] { RestoreDefaults(); });
  connect(OkButton, &QPushButton::clicked, this, [this] { OkClicked(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] { reject(); });
  Fill();
  Table->selectRow(0);
  Table->resizeColumnToContents(0);
  resize(std::max(420, sizeHint().width()), 330);
}

void TKeysDialog::MakeTable() {
  Table = new QTableWidget(PlayerActionCount, 2, this);
  Table->setObjectName("keysTable");
  Table->setHorizontalHeaderLabels({tr("Action"), tr("Keys")});
  Table->verticalHeader()->hide();
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->horizontalHeader()->setStretchLastSection(true);
  Table->setTabKeyNavigation(false);
}

void TKeysDialog::LayOut() {
  auto *edit = new QHBoxLayout;
  edit->addWidget(AddButton);
  edit->addWidget(ClearButton);
  edit->addWidget(DefaultButton);
  edit->addStretch();
  auto *close = new QHBoxLayout;
  close->addStretch();
  close->addWidget(OkButton);
  close->addWidget(CancelButton);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(Table);
  layout->addLayout(edit);
  layout->addWidget(NoticeLabel);
  layout->addLayout(close);
}

// The program's keys back; the controllers' buttons stay as they are.
void TKeysDialog::RestoreDefaults() {
  const TKeyBindings defaults = TKeyBindings::Defaults();
  for (int a = 0; a < PlayerActionCount; ++a) {
    const auto action = static_cast<TPlayerAction>(a);
    Edited.SetKeys(action, KeysOfKind(defaults.Keys(action), false) +
                               KeysOfKind(Edited.Keys(action), true));
  }
  StopWaiting(QString());
}

QString TKeysDialog::ActionName(TPlayerAction action) {
  switch (action) {
  case TPlayerAction::Left:
    return tr("Move left");
  case TPlayerAction::Right:
    return tr("Move right");
  case TPlayerAction::Turn:
    return tr("Turn (and resume a pause)");
  case TPlayerAction::Down:
    //: The Down key's action, which the Preferences choose: drop, turn or fall fast
    return tr("Down key");
  case TPlayerAction::Drop:
    return tr("Drop");
  case TPlayerAction::Start:
    return tr("Start the game or the next level");
  case TPlayerAction::Pause:
    return tr("Pause and resume");
  }
  return QString();
}

void TKeysDialog::Fill() {
  for (int a = 0; a < PlayerActionCount; ++a) {
    const auto action = static_cast<TPlayerAction>(a);
    QStringList names;
    for (const TKeyCode key : KeysOfKind(Edited.Keys(action), false))
      names << KeyName(key);
    Table->setItem(a, 0, new QTableWidgetItem(ActionName(action)));
    Table->setItem(a, 1, new QTableWidgetItem(names.join(QStringLiteral(", "))));
  }
}

void TKeysDialog::FormShow() { Table->setFocus(); }

TPlayerAction TKeysDialog::SelectedAction() const {
  return static_cast<TPlayerAction>(std::max(0, Table->currentRow()));
}

QString TKeysDialog::Notice() const { return NoticeLabel->text(); }

void TKeysDialog::StartWaiting() {
  Waiting = true;
  NoticeLabel->setText(
      tr("Press the key for \"%1\" (Escape cancels).").arg(ActionName(SelectedAction())));
  // The buttons would take Space and Enter for themselves while a key is awaited.
  setFocus();
}

void TKeysDialog::StopWaiting(const QString &notice) {
  Waiting = false;
  NoticeLabel->setText(notice);
  const int row = Table->currentRow();
  Fill();
  Table->selectRow(row);
  Table->setFocus();
}

void TKeysDialog::TakeKey(TKeyCode key) {
  const TPlayerAction action = SelectedAction();
  if (Reserved.contains(key)) {
    StopWaiting(tr("%1 is kept for \"%2\" in the menus: choose another key.")
                    .arg(KeyName(key), Reserved.value(key)));
    return;
  }
  if (const std::optional<TPlayerAction> other = Edited.ClashOf(action, key)) {
    StopWaiting(tr("%1 is already the key for \"%2\": choose another key, or clear it there "
                   "first.")
                    .arg(KeyName(key), ActionName(*other)));
    return;
  }
  QList<TKeyCode> keys = Edited.Keys(action);
  if (!keys.contains(key))
    keys.prepend(key);
  Edited.SetKeys(action, keys);
  StopWaiting(QString());
}

void TKeysDialog::ClearSelected() {
  const TPlayerAction action = SelectedAction();
  Edited.SetKeys(action, KeysOfKind(Edited.Keys(action), true));
  StopWaiting(QString());
}

void TKeysDialog::OkClicked() {
  for (int a = 0; a < PlayerActionCount; ++a) {
    const auto action = static_cast<TPlayerAction>(a);
    const QList<TKeyCode> &keys = Edited.Keys(action);
    if (KeysOfKind(keys, false).isEmpty()) {
      Table->selectRow(a);
      NoticeLabel->setText(
          tr("\"%1\" has no key: add one, or choose Default.").arg(ActionName(action)));
      return;
    }
  }
  accept();
}

// While a key is awaited every key is the player's answer, Escape too (it cancels).
void TKeysDialog::keyPressEvent(QKeyEvent *event) {
  if (!Waiting) {
    TDialogForm::keyPressEvent(event);
    return;
  }
  if (event->isAutoRepeat())
    return;
  if (event->key() == Qt::Key_Escape) {
    EscapeCancelledWait = true; // its release must not close the dialog
    StopWaiting(QString());
    return;
  }
  if (const TKeyCode key = KeyOfEvent(event->key(), event->modifiers()); key != 0)
    TakeKey(key);
}

void TKeysDialog::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && !event->isAutoRepeat() &&
      !std::exchange(EscapeCancelledWait, false) && !Waiting)
    reject();
  else
    TDialogForm::keyReleaseEvent(event);
}
