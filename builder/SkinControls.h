#pragma once
// The Skins group's skin half: for each of the three skins a button choosing its picture,
// Stretch (the picture stretched to the window) and Show (the skin the preview shows). A chosen
// picture is shown at once.

#include "gamefile/GameData.h"

#include <QCoreApplication>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QRadioButton;
class TBuilderModel;
class TPictureIntake;

// The top of row `row` (0 to 2) in the Skins group; the panels' outlines share the rows.
constexpr int SkinRowTop(int row) { return 16 + 25 * row; }

class TSkinControls {
  // Its texts are the builder window's.
  Q_DECLARE_TR_FUNCTIONS(TQuarryboxBuilderForm)

public:
  TSkinControls(QGroupBox *group, TBuilderModel &model, TPictureIntake &intake);

  // A skin's picture or the shown skin changed: the controls and the preview anew.
  std::function<void()> OnChange;
  // A Stretch tick changed: the preview anew.
  std::function<void()> OnRedraw;

  // Show marks the skin the model shows.
  void RefreshShown();
  // The Stretch ticks as the model has them (from the game, at every showing).
  void RefreshStretch();

private:
  void Choose(TSkinKind kind);

  TBuilderModel &Model;
  TPictureIntake &Intake;
  std::array<QCheckBox *, 3> StretchBoxes{};
  std::array<QRadioButton *, 3> ShowButtons{};
};
