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
#include "dialogs/DialogHost.h"

#include <QHash>
#include <QIcon>
#include <QImage>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class TBuilderQuestions;
class TColourSwatch;
class TSettingsStore;

class TQuarryboxBuilderForm : public TDialogForm {
  Q_OBJECT

public:
  // windowPicture: the main window's 600 x 400 picture the preview is drawn on.
  // programFolder ends with a separator; pictures are first looked for in its "Games", and the
  // help page is its "Help/builder.html". importFolder: where pictures converted on adding go.
  TQuarryboxBuilderForm(TDialogHost &host, TGameData &game, TSettingsStore &settings,
                        TBuilderQuestions &questions, QImage &windowPicture, QString programFolder,
                        QString importFolder, QWidget *parent = nullptr);

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
  static constexpr QSize ThumbnailSize{64, 48};
  void BuildControls();
  void FitTexts();
  void ChooseSkin(TSkinKind kind);
  void TakeLevels(bool insert);
  // Pictures chosen or dropped: imported, then added or inserted; skipped ones are reported.
  void AddPictures(const QStringList &files, bool insert);
  void LevelClicked(int row);
  void FillLevelList();
  struct TLevelPicture {
    QIcon Thumbnail;
    QSize Size; // upright; empty when the game could not use the picture
  };
  TLevelPicture LevelPicture(const QString &path);
  QString LevelCaption(int level);
  void PlaceWindow();
  void ReportSkipped(const QStringList &skipped);
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
  QString ImportFolder;
  TBuilderModel Builder;
  bool RedrawSuspended = false;
  // Cleared while the window is hidden for one of its dialogs, which it comes back from as it was.
  bool FreshShow = true;
  QPoint PositionBeforeDialog;
  // Where the main window was and where it went to make room for the builder, while it is away.
  std::optional<std::pair<QPoint, QPoint>> MainWindowMove;
  QHash<QString, TLevelPicture> LevelPictures;

  std::array<QCheckBox *, 3> StretchBoxes{};
  std::array<QRadioButton *, 3> ShowButtons{};
  std::array<TColourSwatch *, 3> Swatches{};
  std::array<QCheckBox *, 3> DrawBoxes{};
  QList<QWidget *> LevelControls;
  QLabel *LevelPictureToggle;     // "now visible" / "now hidden"
  QLabel *CurrentLevelHeadingEnd; // ") :" after the toggle
  QLabel *CurrentLevelLabel;
  QLabel *LevelCountLabel;
  QLabel *GridSizeLabel;
  QSlider *GridSlider;
  QListWidget *LevelList;
};
