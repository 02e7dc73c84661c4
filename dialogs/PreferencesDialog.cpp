#include "dialogs/PreferencesDialog.h"

#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

template <class T> T *Child(QWidget *parent, const char *name, const QString &caption, QPoint at) {
  auto *w = new T(caption, parent);
  w->setObjectName(name);
  w->adjustSize();
  w->move(at);
  return w;
}

QGroupBox *Group(QWidget *parent, const char *name, const QString &caption, QRect area) {
  auto *group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setGeometry(area);
  return group;
}

QPushButton *Button(QWidget *parent, const char *name, const QString &caption, QRect area) {
  auto *button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(area);
  return button;
}

// The room a group needs for its title and for its controls, each with the margin it has in
// the English design.
int NeededWidth(const QGroupBox *group) {
  int width = group->fontMetrics().horizontalAdvance(group->title()) + 16;
  for (const QWidget *child : group->findChildren<QWidget *>())
    width = std::max(width, child->geometry().right() + 6);
  return width;
}

int GroupRight(const QGroupBox *group) { return group->geometry().right() + 1; }

} // namespace

// The dialog keeps its designed places as long as the texts fit in them, as the English ones
// do; longer texts (translations) widen the groups, the window and the buttons.
void TPreferencesDialog::FitTexts(QGroupBox *down, QGroupBox *up, QGroupBox *options) {
  constexpr int Gap = 6, Margin = 8;
  down->resize(std::max(down->width(), NeededWidth(down)), down->height());
  up->move(GroupRight(down) + Gap, up->y());
  const int motionAt = SingleStepMovementCheck->geometry().right() + 9;
  MotionSoundCheck->move(std::max(MotionSoundCheck->x(), motionAt), MotionSoundCheck->y());
  const int right =
      std::max({GroupRight(up), up->x() + NeededWidth(up), options->x() + NeededWidth(options)});
  up->resize(right - up->x(), up->height());
  options->resize(right - options->x(), options->height());

  const int buttonWidth =
      std::max({DefaultButton->width(),
                DefaultButton->fontMetrics().horizontalAdvance(DefaultButton->text()) + 16,
                OkButton->fontMetrics().horizontalAdvance(OkButton->text()) + 16});
  const int windowWidth = std::max(width(), right + Margin + 1);
  const int shift = (windowWidth - width()) / 2;
  DefaultButton->setGeometry(DefaultButton->geometry().right() + 1 + shift - buttonWidth,
                             DefaultButton->y(), buttonWidth, DefaultButton->height());
  OkButton->setGeometry(OkButton->x() + shift, OkButton->y(), buttonWidth, OkButton->height());
  setFixedSize(windowWidth, height());
}

TPreferencesDialog::TPreferencesDialog(TDialogHost &host, TPlayPreferences &preferences,
                                       TSettingsStore &settings, QWidget *parent)
    : TDialogForm(host, parent), Preferences(preferences), Settings(settings) {
  setObjectName("PreferencesDialog");
  setWindowTitle(tr("Preferences"));
  // Single-line border with the system menu only: no minimise or maximise, no resizing.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(306, 216);

  QGroupBox *down = Group(this, "downArrowGroup", tr("Down Arrow"), {8, 16, 130, 80});
  //: What the Down arrow does: drop the falling piece at once
  DropWithDownRadio = Child<QRadioButton>(down, "dropWithDownRadio", tr("Drop"), {17, 24});
  RotateWithDownRadio =
      Child<QRadioButton>(down, "rotateWithDownRadio", tr("Rotate (ACW)"), {17, 48});

  QGroupBox *up =
      Group(this, "upArrowGroup", tr("Up Arrow (Rotate Direction)"), {144, 16, 153, 80});
  TurnClockwiseRadio =
      Child<QRadioButton>(up, "turnClockwiseRadio", tr("Clockwise (CW)"), {13, 24});
  TurnAntiClockwiseRadio =
      Child<QRadioButton>(up, "turnAntiClockwiseRadio", tr("Anti Clockwise (ACW)"), {13, 48});

  QGroupBox *options = Group(this, "optionsGroup", tr("Options"), {8, 104, 289, 57});
  SingleStepMovementCheck = Child<QCheckBox>(options, "singleStepMovementCheck",
                                             tr("Original Tetris Movement"), {20, 24});
  MotionSoundCheck = Child<QCheckBox>(options, "motionSoundCheck", tr("Motion Sound"), {177, 24});

  DefaultButton = Button(this, "defaultButton", tr("Default"), {54, 179, 90, 22});
  OkButton = Button(this, "okButton", tr("Ok"), {166, 179, 90, 22});

  FitTexts(down, up, options);

  // Ok first, then Default, then the groups in their order.
  QWidget::setTabOrder(OkButton, DefaultButton);
  QWidget::setTabOrder(DefaultButton, DropWithDownRadio);
  QWidget::setTabOrder(DropWithDownRadio, RotateWithDownRadio);
  QWidget::setTabOrder(RotateWithDownRadio, TurnClockwiseRadio);
  QWidget::setTabOrder(TurnClockwiseRadio, TurnAntiClockwiseRadio);
  QWidget::setTabOrder(TurnAntiClockwiseRadio, SingleStepMovementCheck);
  QWidget::setTabOrder(SingleStepMovementCheck, MotionSoundCheck);

  connect(OkButton, &QPushButton::clicked, this, [this] { OkClicked(); });
  connect(DefaultButton, &QPushButton::clicked, this, [this] { DefaultClicked(); });
}

void TPreferencesDialog::FormShow() {
  DropWithDownRadio->setChecked(Preferences.DownKey == TDownKey::Drop);
  RotateWithDownRadio->setChecked(Preferences.DownKey == TDownKey::Rotate);
  TurnClockwiseRadio->setChecked(Preferences.UpArrowClockwise);
  TurnAntiClockwiseRadio->setChecked(!Preferences.UpArrowClockwise);
  SingleStepMovementCheck->setChecked(Preferences.SingleStepMovement);
  MotionSoundCheck->setChecked(Preferences.MotionSound);
  OkButton->setFocus();
}

void TPreferencesDialog::OkClicked() {
  Preferences.DownKey = DropWithDownRadio->isChecked() ? TDownKey::Drop : TDownKey::Rotate;
  Preferences.UpArrowClockwise = TurnClockwiseRadio->isChecked();
  Preferences.SingleStepMovement = SingleStepMovementCheck->isChecked();
  Preferences.MotionSound = MotionSoundCheck->isChecked();
  WritePlayPreferences(Settings, Preferences);
  accept();
}

void TPreferencesDialog::DefaultClicked() {
  DropWithDownRadio->setChecked(true);
  TurnAntiClockwiseRadio->setChecked(true);
  SingleStepMovementCheck->setChecked(true);
  MotionSoundCheck->setChecked(true);
}

// Escape works whichever control has the focus: the buttons and boxes pass the release on to
// the window.
void TPreferencesDialog::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape)
    reject();
  else
    TDialogForm::keyReleaseEvent(event);
}
