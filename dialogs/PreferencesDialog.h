#pragma once
// The Preferences dialog: what Down and Up do, the movement mode and the motion sounds. It
// edits the main window's preferences in place and stores them only when Ok is pressed.

#include "dialogs/DialogHost.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class TSettingsStore;
struct TPlayPreferences;

class TPreferencesDialog : public TDialogForm {
  Q_OBJECT

public:
  TPreferencesDialog(TDialogHost &host, TPlayPreferences &preferences, TSettingsStore &settings,
                     QWidget *parent = nullptr);

protected:
  void FormShow() override;
  void keyReleaseEvent(QKeyEvent *event) override;

private:
  void FitTexts(QGroupBox *down, QGroupBox *up, QGroupBox *options);
  void OkClicked();
  void DefaultClicked();

  TPlayPreferences &Preferences;
  TSettingsStore &Settings;
  QRadioButton *DropWithDownRadio;
  QRadioButton *RotateWithDownRadio;
  QRadioButton *TurnClockwiseRadio;
  QRadioButton *TurnAntiClockwiseRadio;
  QCheckBox *SingleStepMovementCheck;
  QCheckBox *MotionSoundCheck;
  QPushButton *DefaultButton;
  QPushButton *OkButton;
};
