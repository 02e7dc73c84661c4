#pragma once
// The game builder window: the author picks the three skins, builds the ordered level list with
// a grid size per level and sets the panel outlines, while a preview of the result is drawn on
// the main window's picture. It works on its own copy of the game (the model); the caller takes
// that copy into the game after an OK. Outline ticks and colours reach the game at once, so they
// stay changed after a Cancel.
//
// Create Game:  ResetGame(); set the game's six draw and stretch flags; Open(); on Accepted
//               Model().ApplyTo(game).
// Edit Game:    LoadGame(); Open(); on Accepted Model().ApplyTo(game).

#include "builder/BuilderModel.h"
#include "dialogs/DialogHost.h"

#include <QImage>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class TBuilderQuestions;
class TColourSwatch;
class TSettingsStore;

class TQuarryboxBuilderForm : public TDialogForm {
public:
  // windowPicture: the main window's 600 x 400 picture the preview is drawn on.
  // programFolder ends with a separator; pictures are first looked for in its "Games".
  TQuarryboxBuilderForm(TDialogHost &host, TGameData &game, TSettingsStore &settings,
                        TBuilderQuestions &questions, QImage &windowPicture, QString programFolder,
                        QWidget *parent = nullptr);

  // Called after every preview drawing, so that the main window repaints its picture.
  std::function<void()> OnPreviewChanged;

  // An empty builder for a new game.
  void ResetGame();
  // The current game's skins and levels, level 1 selected.
  void LoadGame();
  const TBuilderModel &Model() const { return Builder; }

protected:
  void FormShow() override;

private:
  void ChooseSkin(TSkinKind kind);
  void TakeLevels(bool insert);
  void DeleteLevel();
  // Runs a level-list step that needs a level, or says there is none.
  void WithLevels(const std::function<bool()> &step);
  void ChooseColour(int box);
  void DrawBoxClicked();
  void ShowSkin(TSkinKind kind);
  void GridChanged(int value);
  void ToggleLevelPicture();
  void OkClick();

  QString PictureFolder() const;
  void RememberFolder(const QString &file);
  // The window steps out of the way while another dialog asks the author something.
  void HideForDialog();
  void ShowAfterDialog();
  void Tell(const QString &text);
  // Controls from the model, then the preview.
  void Refresh();
  void Redraw();

  TGameData &Game;
  TSettingsStore &Settings;
  TBuilderQuestions &Questions;
  QImage &WindowPicture;
  QString ProgramFolder;
  TBuilderModel Builder;
  bool RedrawSuspended = false;

  std::array<QCheckBox *, 3> StretchBoxes{};
  std::array<QRadioButton *, 3> ShowButtons{};
  std::array<TColourSwatch *, 3> Swatches{};
  std::array<QCheckBox *, 3> DrawBoxes{};
  QList<QWidget *> LevelControls;
  QLabel *showLL;
  QLabel *Label9;
  QLabel *CurrentLavelL;
  QLabel *LevelNumL;
  QLabel *GridSizeL;
  QSlider *GridTB;
};
