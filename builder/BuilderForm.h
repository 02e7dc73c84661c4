#pragma once
// The game builder window: the author picks the three skins, builds the ordered level list with
// a grid size per level and sets the panel outlines, while a preview of the result is drawn on
// the main window's picture. It works on its own copy of the game (the model); the caller takes
// that copy into the game after an OK. Outline ticks and colours reach the game at once, so they
// stay changed after a Cancel.
//
// Create Game:  ResetGame(); set the game's six draw and stretch flags; ShowModal(); on
//               Accepted Model().ApplyTo(game).
// Edit Game:    LoadGame(); ShowModal(); on Accepted Model().ApplyTo(game).

#include "builder/BuilderModel.h"
#include "builder/PictureIntake.h"
#include "builder/StepAsideQuestions.h"
#include "dialogs/DialogHost.h"

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class TBuilderQuestions;
class TLevelControls;
class TLevelListView;
class TOutlineControls;
class TSettingsStore;
class TSkinControls;

// The window itself: where it opens, its modal run, the layout of its groups, dropped pictures,
// OK and Cancel, and the preview drawn after every change. Each group of controls is a class of
// its own: TSkinControls, TOutlineControls, TLevelControls and TLevelListView.
class TQuarryboxBuilderForm : public TDialogForm {
  Q_OBJECT

public:
  // windowPicture: the main window's 600 x 400 picture the preview is drawn on.
  // programFolder ends with a separator; pictures are first looked for in its "Games", and the
  // help page is its "Help/builder.html". importFolder: where pictures converted on adding go.
  TQuarryboxBuilderForm(TDialogHost &host, TGameData &game, TSettingsStore &settings,
                        TBuilderQuestions &questions, QImage &windowPicture,
                        const QString &programFolder, QString importFolder,
                        QWidget *parent = nullptr);
  ~TQuarryboxBuilderForm() override;

  // Called after every preview drawing, so that the main window repaints its picture.
  std::function<void()> OnPreviewChanged;

  // An empty builder for a new game.
  void ResetGame();
  // The current game's skins and levels, level 1 selected.
  void LoadGame();
  const TBuilderModel &Model() const { return Builder; }

  // Modal like exec(), but the window can really hide while it asks through another dialog
  // (a hidden exec() dialog would end its own loop). Returns Accepted or Rejected.
  int ShowModal();
  void done(int result) override;

protected:
  void FormShow() override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void BuildControls(const QString &programFolder);
  void FitTexts();
  void ChainSkinRows();
  void PlaceWindow();
  void OkClick();
  // Controls from the model, then the preview.
  void Refresh();
  void Redraw();

  TGameData &Game;
  TSettingsStore &Settings;
  QImage &WindowPicture;
  TBuilderModel Builder;
  TStepAsideQuestions Questions;
  TPictureIntake Intake;
  std::unique_ptr<TSkinControls> Skins;
  std::unique_ptr<TOutlineControls> Outlines;
  std::unique_ptr<TLevelControls> Levels;
  std::unique_ptr<TLevelListView> LevelList;
  QLabel *GridSizeLabel = nullptr;
  bool RedrawSuspended = false;
  // Where the main window was and where it went to make room for the builder, while it is away.
  std::optional<std::pair<QPoint, QPoint>> MainWindowMove;
};
