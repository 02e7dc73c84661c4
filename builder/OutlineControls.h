#pragma once
// The Skins group's panel half: the outline colour (a swatch to click) and the Draw tick of the
// play field, the score field and the next field, one a row. Unlike everything else in the
// builder they reach the game at once, so they stay changed after a Cancel.

#include <QCoreApplication>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class TBuilderModel;
class TBuilderQuestions;
class TColourSwatch;
struct TGameData;

class TOutlineControls {
  // Its texts are the builder window's.
  Q_DECLARE_TR_FUNCTIONS(TQuarryboxBuilderForm)

public:
  TOutlineControls(QGroupBox *group, TBuilderModel &model, TGameData &game,
                   TBuilderQuestions &questions);

  // An outline changed: the preview anew.
  std::function<void()> OnRedraw;

  // Swatches and ticks as the model has them (from the game, at every showing).
  void Refresh();

private:
  void ChooseColour(int box);
  void DrawClicked();

  TBuilderModel &Model;
  TGameData &Game;
  TBuilderQuestions &Questions;
  std::array<TColourSwatch *, 3> Swatches{};
  std::array<QCheckBox *, 3> DrawBoxes{};
};
