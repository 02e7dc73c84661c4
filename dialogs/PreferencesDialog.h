#pragma once
// The Preferences dialog: what Down and Up do, how a held sideways key moves the piece, the
// landing place, the motion sounds, the volume and the player's own keys. It edits the main
// window's preferences in place and stores them and the rest only when Ok is pressed (the game
// reads the keys and volume back from the settings then); the volume is heard at once while
// the slider moves, and Escape gives the stored one back.

#include "dialogs/DialogHost.h"
#include "input/KeyBindings.h"

#include <QMap>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class TSettingsStore;
struct TPlayPreferences;

class TPreferencesDialog : public TDialogForm {
  Q_OBJECT

public:
  TPreferencesDialog(TDialogHost &host, TPlayPreferences &preferences, TSettingsStore &settings,
                     QWidget *parent = nullptr);

  // Keys the window keeps for its menus, with what each does: the keys dialog refuses them.
  void SetReservedKeys(QMap<TKeyCode, QString> reserved) { ReservedKeys = std::move(reserved); }
  // The volume to be heard now (0-100): as the slider moves, and the stored one on a cancel.
  std::function<void(int)> OnVolumeChanged;

protected:
  void FormShow() override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void reject() override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QGroupBox *MakeDownGroup();
  QGroupBox *MakeUpGroup();
  QGroupBox *MakeMovementGroup();
  QGroupBox *MakeOptionsGroup();
  void ShowSlide();
  void OkClicked();
  void DefaultClicked();
  void KeysClicked();

  TPlayPreferences &Preferences;
  TSettingsStore &Settings;
  QMap<TKeyCode, QString> ReservedKeys;
  TKeyBindings StoredBindings;
  TKeyBindings EditedBindings; // the keys dialog's result, kept until Ok
  QRadioButton *DropWithDownRadio;
  QRadioButton *RotateWithDownRadio;
  QRadioButton *FallWithDownRadio;
  QRadioButton *TurnClockwiseRadio;
  QRadioButton *TurnAntiClockwiseRadio;
  QRadioButton *OneColumnRadio;
  QRadioButton *SlideRadio;
  QSpinBox *SlideDelaySpin;
  QSpinBox *SlideRateSpin;
  QCheckBox *MotionSoundCheck;
  QCheckBox *LandingPlaceCheck;
  QSlider *VolumeSlider;
  QPushButton *KeysButton;
  QPushButton *DefaultButton;
  QPushButton *OkButton;
};
