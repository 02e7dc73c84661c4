#include "dialogs/PreferencesDialog.h"

#include "dialogs/KeysDialog.h"
#include "input/StoredKeyBindings.h"
#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <class T> T *Child(QWidget *parent, const char *name, const QString &caption) {
  auto *w = new T(caption, parent);
  w->setObjectName(name);
  return w;
}

QSpinBox *TimeSpin(QWidget *parent, const char *name, int low) {
  auto *spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, MaxSlideTime);
  spin->setSingleStep(10);
  //: After a time in milliseconds
  spin->setSuffix(TPreferencesDialog::tr(" ms"));
  return spin;
}

QLabel *Label(QWidget *parent, const char *name, const QString &caption, QWidget *buddy) {
  auto *label = Child<QLabel>(parent, name, caption);
  label->setBuddy(buddy);
  return label;
}

} // namespace

QGroupBox *TPreferencesDialog::MakeDownGroup() {
  auto *group = Child<QGroupBox>(this, "downArrowGroup", tr("Down Arrow"));
  //: What the Down arrow does: drop the falling piece at once
  DropWithDownRadio = Child<QRadioButton>(group, "dropWithDownRadio", tr("Drop"));
  RotateWithDownRadio = Child<QRadioButton>(group, "rotateWithDownRadio", tr("Rotate (ACW)"));
  //: What the Down arrow does: the piece falls faster while the key is held
  FallWithDownRadio = Child<QRadioButton>(group, "fallWithDownRadio", tr("&Fall fast while held"));
  auto *layout = new QVBoxLayout(group);
  layout->addWidget(DropWithDownRadio);
  layout->addWidget(RotateWithDownRadio);
  layout->addWidget(FallWithDownRadio);
  return group;
}

QGroupBox *TPreferencesDialog::MakeUpGroup() {
  auto *group = Child<QGroupBox>(this, "upArrowGroup", tr("Up Arrow (Rotate Direction)"));
  TurnClockwiseRadio = Child<QRadioButton>(group, "turnClockwiseRadio", tr("Clockwise (CW)"));
  TurnAntiClockwiseRadio =
      Child<QRadioButton>(group, "turnAntiClockwiseRadio", tr("Anti Clockwise (ACW)"));
  auto *layout = new QVBoxLayout(group);
  layout->addWidget(TurnClockwiseRadio);
  layout->addWidget(TurnAntiClockwiseRadio);
  layout->addStretch();
  return group;
}

QGroupBox *TPreferencesDialog::MakeMovementGroup() {
  //: How a held Left or Right key moves the piece
  auto *group = Child<QGroupBox>(this, "movementGroup", tr("Left and Right Arrows"));
  OneColumnRadio = Child<QRadioButton>(group, "oneColumnRadio", tr("&One column per press"));
  SlideRadio = Child<QRadioButton>(group, "slideRadio", tr("&Slide while held"));
  SlideDelaySpin = TimeSpin(group, "slideDelaySpin", 0);
  SlideRateSpin = TimeSpin(group, "slideRateSpin", MinSlideRate);
  //: The time a held key waits before the piece slides on
  auto *delay = Label(group, "slideDelayLabel", tr("D&elay:"), SlideDelaySpin);
  //: The time between the columns of a slide
  auto *rate = Label(group, "slideRateLabel", tr("&Rate:"), SlideRateSpin);
  auto *layout = new QGridLayout(group);
  layout->addWidget(OneColumnRadio, 0, 0, 1, 5);
  layout->addWidget(SlideRadio, 1, 0, 1, 5);
  layout->addWidget(delay, 2, 0);
  layout->addWidget(SlideDelaySpin, 2, 1);
  layout->addWidget(rate, 2, 2);
  layout->addWidget(SlideRateSpin, 2, 3);
  layout->setColumnStretch(4, 1);
  layout->setColumnMinimumWidth(0, 12);
  connect(SlideRadio, &QRadioButton::toggled, this, [this] { ShowSlide(); });
  // A spin box keeps Escape's release to itself; the dialog must still close on it.
  SlideDelaySpin->installEventFilter(this);
  SlideRateSpin->installEventFilter(this);
  return group;
}

QGroupBox *TPreferencesDialog::MakeOptionsGroup() {
  auto *group = Child<QGroupBox>(this, "optionsGroup", tr("Options"));
  MotionSoundCheck = Child<QCheckBox>(group, "motionSoundCheck", tr("Motion Sound"));
  LandingPlaceCheck =
      Child<QCheckBox>(group, "landingPlaceCheck", tr("Show where the piece will &land"));
  VolumeSlider = new QSlider(Qt::Horizontal, group);
  VolumeSlider->setObjectName("volumeSlider");
  VolumeSlider->setRange(0, FullSoundVolume);
  VolumeSlider->setPageStep(10);
  auto *volume = Label(group, "volumeLabel", tr("&Volume:"), VolumeSlider);
  auto *layout = new QGridLayout(group);
  layout->addWidget(MotionSoundCheck, 0, 0, 1, 2);
  layout->addWidget(LandingPlaceCheck, 1, 0, 1, 2);
  layout->addWidget(volume, 2, 0);
  layout->addWidget(VolumeSlider, 2, 1);
  connect(VolumeSlider, &QSlider::valueChanged, this, [this](int value) {
    if (OnVolumeChanged)
      OnVolumeChanged(value);
  });
  return group;
}

TPreferencesDialog::TPreferencesDialog(TDialogHost &host, TPlayPreferences &preferences,
                                       TSettingsStore &settings, QWidget *parent)
    : TDialogForm(host, parent), Preferences(preferences), Settings(settings) {
  setObjectName("PreferencesDialog");
  setWindowTitle(tr("Preferences"));
  // Single-line border with the system menu only: no minimise or maximise, no resizing.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  auto *arrows = new QHBoxLayout;
  arrows->addWidget(MakeDownGroup());
  arrows->addWidget(MakeUpGroup());
  KeysButton = Child<QPushButton>(this, "keysButton", tr("&Keys..."));
  DefaultButton = Child<QPushButton>(this, "defaultButton", tr("Default"));
  OkButton = Child<QPushButton>(this, "okButton", tr("Ok"));
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(KeysButton);
  buttons->addStretch();
  buttons->addWidget(DefaultButton);
  buttons->addWidget(OkButton);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(arrows);
  layout->addWidget(MakeMovementGroup());
  layout->addWidget(MakeOptionsGroup());
  layout->addLayout(buttons);
  // As big as the texts need, in every language, and no bigger.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Ok first, then Default, then the groups in their order.
  const QList<QWidget *> order{OkButton,
                               DefaultButton,
                               DropWithDownRadio,
                               RotateWithDownRadio,
                               FallWithDownRadio,
                               TurnClockwiseRadio,
                               TurnAntiClockwiseRadio,
                               OneColumnRadio,
                               SlideRadio,
                               SlideDelaySpin,
                               SlideRateSpin,
                               MotionSoundCheck,
                               LandingPlaceCheck,
                               VolumeSlider,
                               KeysButton};
  for (qsizetype i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1], order[i]);

  connect(OkButton, &QPushButton::clicked, this, [this] { OkClicked(); });
  connect(DefaultButton, &QPushButton::clicked, this, [this] { DefaultClicked(); });
  connect(KeysButton, &QPushButton::clicked, this, [this] { KeysClicked(); });
}

void TPreferencesDialog::FormShow() {
  DropWithDownRadio->setChecked(Preferences.DownKey == TDownKey::Drop);
  RotateWithDownRadio->setChecked(Preferences.DownKey == TDownKey::Rotate);
  FallWithDownRadio->setChecked(Preferences.DownKey == TDownKey::Fall);
  TurnClockwiseRadio->setChecked(Preferences.UpArrowClockwise);
  TurnAntiClockwiseRadio->setChecked(!Preferences.UpArrowClockwise);
  OneColumnRadio->setChecked(Preferences.SingleStepMovement);
  SlideRadio->setChecked(!Preferences.SingleStepMovement);
  SlideDelaySpin->setValue(Preferences.SlideDelay);
  SlideRateSpin->setValue(Preferences.SlideRate);
  MotionSoundCheck->setChecked(Preferences.MotionSound);
  LandingPlaceCheck->setChecked(Preferences.ShowLandingPlace);
  {
    const QSignalBlocker quiet(VolumeSlider); // showing the stored volume changes nothing
    VolumeSlider->setValue(ReadSoundVolume(Settings));
  }
  StoredBindings = ReadKeyBindings(Settings);
  EditedBindings = StoredBindings;
  ShowSlide();
  OkButton->setFocus();
}

// The slide's times mean something only while a held key slides.
void TPreferencesDialog::ShowSlide() {
  SlideDelaySpin->setEnabled(SlideRadio->isChecked());
  SlideRateSpin->setEnabled(SlideRadio->isChecked());
}

void TPreferencesDialog::OkClicked() {
  Preferences.DownKey = DropWithDownRadio->isChecked()     ? TDownKey::Drop
                        : RotateWithDownRadio->isChecked() ? TDownKey::Rotate
                                                           : TDownKey::Fall;
  Preferences.UpArrowClockwise = TurnClockwiseRadio->isChecked();
  Preferences.SingleStepMovement = OneColumnRadio->isChecked();
  Preferences.SlideDelay = SlideDelaySpin->value();
  Preferences.SlideRate = SlideRateSpin->value();
  Preferences.MotionSound = MotionSoundCheck->isChecked();
  Preferences.ShowLandingPlace = LandingPlaceCheck->isChecked();
  WritePlayPreferences(Settings, Preferences);
  WriteSoundVolume(Settings, VolumeSlider->value());
  if (!(EditedBindings == StoredBindings))
    WriteKeyBindings(Settings, EditedBindings);
  accept();
}

void TPreferencesDialog::DefaultClicked() {
  const TPlayPreferences defaults;
  DropWithDownRadio->setChecked(true);
  TurnAntiClockwiseRadio->setChecked(true);
  OneColumnRadio->setChecked(true);
  SlideDelaySpin->setValue(defaults.SlideDelay);
  SlideRateSpin->setValue(defaults.SlideRate);
  MotionSoundCheck->setChecked(true);
  LandingPlaceCheck->setChecked(defaults.ShowLandingPlace);
  VolumeSlider->setValue(FullSoundVolume);
}

void TPreferencesDialog::KeysClicked() {
  TKeysDialog keys(Host, EditedBindings, ReservedKeys, this);
  if (keys.exec() == QDialog::Accepted)
    EditedBindings = keys.Bindings();
  Host.SetSuspended(true); // the keys dialog's close let the game go; this one is still open
  KeysButton->setFocus();  // the keyboard goes on from where it was
}

// Closed without Ok: the volume heard is the stored one again.
void TPreferencesDialog::reject() {
  if (OnVolumeChanged && VolumeSlider->value() != ReadSoundVolume(Settings))
    OnVolumeChanged(ReadSoundVolume(Settings));
  TDialogForm::reject();
}

bool TPreferencesDialog::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyRelease &&
      static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
    reject();
    return true;
  }
  return TDialogForm::eventFilter(watched, event);
}

// Escape works whichever control has the focus: the buttons and boxes pass the release on to
// the window.
void TPreferencesDialog::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape)
    reject();
  else
    TDialogForm::keyReleaseEvent(event);
}
