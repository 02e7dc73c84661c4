#include "builder/BuilderForm.h"

#include "builder/BuilderPlacement.h"
#include "builder/BuilderPreview.h"
#include "builder/BuilderQuestions.h"
#include "builder/ColourSwatch.h"
#include "builder/PictureImport.h"
#include "gamefile/WorkingPictures.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QUrl>

namespace {

// The level list shows the last level first: row 0 is the last level, and back.
int RowOfLevel(const TBuilderLevels &levels, int level) { return levels.Count() - level; }

const char *const NoLevels = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "No Levels Defined!");
//: The current level's picture in the builder, as in "Current Level (now visible)"
const char *const NowVisible = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "now visible");
//: The current level's picture in the builder, as in "Current Level (now hidden)"
const char *const NowHidden = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "now hidden");

} // namespace

TQuarryboxBuilderForm::TQuarryboxBuilderForm(TDialogHost &host, TGameData &game,
                                             TSettingsStore &settings, TBuilderQuestions &questions,
                                             QImage &windowPicture, QString programFolder,
                                             QString importFolder, QWidget *parent)
    : TDialogForm(host, parent), Game(game), Settings(settings), Questions(questions),
      WindowPicture(windowPicture), ProgramFolder(std::move(programFolder)),
      ImportFolder(std::move(importFolder)) {
  setObjectName("QuarryboxBuilderForm");
  setWindowTitle(tr("Quarrybox Builder"));
  // A tool window with only a close box.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(632, 271);
  setAcceptDrops(true);

  BuildControls();
  FitTexts();
  ResetGame();
}

void TQuarryboxBuilderForm::ResetGame() {
  Builder.Reset();
  Refresh();
}

void TQuarryboxBuilderForm::LoadGame() {
  Builder.FillFrom(Game);
  Refresh();
}

int TQuarryboxBuilderForm::ShowModal() {
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  show();
  if (isVisible())
    loop.exec(QEventLoop::DialogExec);
  return result();
}

void TQuarryboxBuilderForm::done(int result) {
  if (isVisible()) {
    Settings.Write(Setting::BuilderLeft, pos().x());
    Settings.Write(Setting::BuilderTop, pos().y());
  }
  // The main window made room for the builder: it goes back, unless the author has moved it.
  QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
  if (main && MainWindowMove && main->pos() == MainWindowMove->second)
    main->move(MainWindowMove->first);
  MainWindowMove.reset();
  TDialogForm::done(result);
}

void TQuarryboxBuilderForm::FormShow() {
  if (!FreshShow) {
    // Back from one of its own dialogs: where it was, as it was.
    FreshShow = true;
    move(PositionBeforeDialog);
    Refresh();
    return;
  }
  PlaceWindow();
  RedrawSuspended = true;
  Builder.SetLevelPictureVisible(true);
  Builder.TakeLayout(Game);
  for (size_t i = 0; i < 3; ++i) {
    Swatches[i]->SetColour(Builder.Box(int(i)).Colour);
    DrawBoxes[i]->setChecked(Builder.Box(int(i)).Draw);
    StretchBoxes[i]->setChecked(Builder.Skin(TSkinKind(i)).Stretch);
  }
  Builder.SetShownSkin(SkinStart);
  RedrawSuspended = false;
  Refresh();
}

void TQuarryboxBuilderForm::PlaceWindow() {
  QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
  if (!main || !main->isVisible())
    return;
  // The builder's frame will be as wide as the main window's under the same window manager.
  const QRect outer = main->frameGeometry(), inner = main->geometry();
  const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                       outer.right() - inner.right(), outer.bottom() - inner.bottom());
  QList<QRect> screens;
  for (const QScreen *screen : QGuiApplication::screens())
    screens << screen->availableGeometry();
  std::optional<QPoint> last;
  const std::optional<int> left = Settings.Read(Setting::BuilderLeft);
  const std::optional<int> top = Settings.Read(Setting::BuilderTop);
  if (left && top)
    last = QPoint(*left, *top);
  const TBuilderPlacement placed = PlaceBuilder(size().grownBy(frame), outer, screens, last);
  if (placed.Main != outer.topLeft()) {
    MainWindowMove = {outer.topLeft(), placed.Main};
    main->move(placed.Main);
  }
  // As the client area: a window not shown yet has no frame for move() to allow for, and
  // openbox would put the frame, not the client area, where move() asked.
  setGeometry(QRect(placed.Builder + QPoint(frame.left(), frame.top()), size()));
}

void TQuarryboxBuilderForm::ChooseSkin(TSkinKind kind) {
  HideForDialog();
  const QString file = Questions.AskPicture(PictureFolder());
  ShowAfterDialog();
  if (file.isEmpty()) {
    Refresh();
    return;
  }
  RememberFolder(file);
  const TImportedPictures taken = ImportPictures({file}, ImportFolder);
  if (!taken.Files.isEmpty()) {
    Builder.SetSkin(kind, taken.Files.first());
    Builder.SetShownSkin(kind);
  }
  Refresh();
  ReportSkipped(taken.Skipped);
}

void TQuarryboxBuilderForm::TakeLevels(bool insert) {
  HideForDialog();
  const QStringList files = Questions.AskPictures(PictureFolder());
  if (!files.isEmpty())
    RememberFolder(files.first());
  ShowAfterDialog();
  AddPictures(files, insert);
}

void TQuarryboxBuilderForm::AddPictures(const QStringList &files, bool insert) {
  const TImportedPictures taken = ImportPictures(files, ImportFolder);
  if (insert)
    Builder.InsertLevels(taken.Files);
  else
    Builder.AddLevels(taken.Files);
  Refresh();
  ReportSkipped(taken.Skipped);
}

void TQuarryboxBuilderForm::ReportSkipped(const QStringList &skipped) {
  if (skipped.isEmpty())
    return;
  Questions.ShowReport(tr("Pictures not added"), SkippedPicturesText(skipped));
  ShowAfterDialog();
}

void TQuarryboxBuilderForm::dragEnterEvent(QDragEnterEvent *event) {
  if (event->mimeData()->hasUrls())
    event->acceptProposedAction();
}

void TQuarryboxBuilderForm::dropEvent(QDropEvent *event) {
  QStringList files;
  for (const QUrl &url : event->mimeData()->urls())
    if (url.isLocalFile())
      files << url.toLocalFile();
  if (files.isEmpty())
    return;
  event->acceptProposedAction();
  AddPictures(files, false);
}

void TQuarryboxBuilderForm::LevelClicked(int row) {
  if (row < 0 || RowOfLevel(Builder.Levels(), Builder.Levels().Current()) == row)
    return;
  if (Builder.Levels().Select(Builder.Levels().Count() - row))
    Refresh();
}

TQuarryboxBuilderForm::TLevelPicture TQuarryboxBuilderForm::LevelPicture(const QString &path) {
  auto found = LevelPictures.constFind(path);
  if (found != LevelPictures.constEnd())
    return *found;
  // Decoded at thumbnail size, and within the game's limits: a phone photo is not decoded whole
  // for a 64 x 48 picture, and a hostile one is refused at once.
  QSize size;
  const QImage small = ReadPictureFitted(path, ThumbnailSize, nullptr, &size);
  QPixmap tile(ThumbnailSize);
  tile.fill(Qt::transparent);
  if (!small.isNull()) {
    QPainter p(&tile);
    p.drawImage((ThumbnailSize.width() - small.width()) / 2,
                (ThumbnailSize.height() - small.height()) / 2, small);
  }
  const TLevelPicture picture{QIcon(tile), size};
  LevelPictures.insert(path, picture);
  return picture;
}

QString TQuarryboxBuilderForm::LevelCaption(int level) {
  const QString &path = Builder.Levels().All()[level - 1].Path;
  // A picture of a game file is known by a working name ("tpl2.jpg"), not the author's.
  if (!IsLevelWorkingPictureName(path))
    return QStringLiteral("%1. %2").arg(level).arg(QFileInfo(path).fileName());
  const QSize size = LevelPicture(path).Size;
  if (size.isEmpty())
    return tr("Level %1").arg(level);
  //: A level in the builder's list with its picture's width and height in pixels
  return tr("Level %1 (%2 x %3)").arg(level).arg(size.width()).arg(size.height());
}

// The last level at the top, so that Up (which makes a level's number one higher) moves it
// up the list, and Down down.
void TQuarryboxBuilderForm::FillLevelList() {
  const QSignalBlocker quiet(LevelList);
  LevelList->clear();
  for (int level = Builder.Levels().Count(); level >= 1; --level)
    LevelList->addItem(new QListWidgetItem(
        LevelPicture(Builder.Levels().All()[level - 1].Path).Thumbnail, LevelCaption(level)));
  LevelList->setCurrentRow(Builder.Levels().Current() == 0
                               ? -1
                               : RowOfLevel(Builder.Levels(), Builder.Levels().Current()));
}

void TQuarryboxBuilderForm::DeleteLevel() {
  if (Builder.Levels().Current() == 0) {
    Tell(tr(NoLevels));
    return;
  }
  const bool sure = Questions.Confirm(tr("Confirm Delete"), tr("Really Delete Current Level?!"));
  ShowAfterDialog();
  if (!sure)
    return;
  Builder.Levels().DeleteCurrent();
  Refresh();
}

void TQuarryboxBuilderForm::WithLevels(const std::function<bool()> &step) {
  if (Builder.Levels().Current() == 0) {
    Tell(tr(NoLevels));
    return;
  }
  if (step())
    Refresh();
}

void TQuarryboxBuilderForm::ChooseColour(int box) {
  HideForDialog();
  const std::optional<quint32> colour = Questions.AskColour(Builder.Box(box).Colour);
  ShowAfterDialog();
  if (!colour)
    return;
  Builder.Box(box).Colour = *colour;
  Swatches[size_t(box)]->SetColour(*colour);
  Builder.ApplyBoxes(Game);
  Redraw();
}

void TQuarryboxBuilderForm::DrawBoxClicked() {
  for (size_t i = 0; i < 3; ++i)
    Builder.Box(int(i)).Draw = DrawBoxes[i]->isChecked();
  Builder.ApplyBoxes(Game);
  Redraw();
}

void TQuarryboxBuilderForm::ShowSkin(TSkinKind kind) {
  Builder.SetShownSkin(kind);
  Refresh();
}

void TQuarryboxBuilderForm::GridChanged(int value) {
  if (!Builder.Levels().SetGridSize(value)) {
    const QSignalBlocker quiet(GridSlider);
    GridSlider->setValue(TBuilderModel::MinGridSize);
    return;
  }
  Refresh();
}

void TQuarryboxBuilderForm::ToggleLevelPicture() {
  if (!Builder.LevelControlsEnabled())
    return;
  const bool show = !Builder.LevelPictureVisible();
  Builder.SetLevelPictureVisible(show);
  // The two labels after the toggle make room for its text.
  const int shift = show ? -2 : 2;
  CurrentLevelHeadingEnd->move(CurrentLevelHeadingEnd->pos() + QPoint(shift, 0));
  CurrentLevelLabel->move(CurrentLevelLabel->pos() + QPoint(shift, 0));
  Refresh();
}

void TQuarryboxBuilderForm::OkClick() {
  const QString problem = Builder.Validate();
  if (!problem.isEmpty()) {
    Tell(problem);
    return;
  }
  accept();
}

QString TQuarryboxBuilderForm::PictureFolder() const {
  const QString remembered = Settings.Read(Setting::BuilderOpenFolder);
  return remembered.isEmpty() ? ProgramFolder + "Games" : remembered;
}

void TQuarryboxBuilderForm::RememberFolder(const QString &file) {
  Settings.Write(Setting::BuilderOpenFolder, QFileInfo(file).absolutePath() + '/');
}

void TQuarryboxBuilderForm::HideForDialog() {
  if (!isVisible())
    return;
  FreshShow = false;
  PositionBeforeDialog = pos();
  hide();
}

void TQuarryboxBuilderForm::ShowAfterDialog() {
  if (!FreshShow)
    show();
  // A message box closing in between releases the game; the builder is still open.
  if (isVisible())
    Host.SetSuspended(true);
}

void TQuarryboxBuilderForm::Tell(const QString &text) {
  Questions.ShowMessage(text);
  ShowAfterDialog();
}

void TQuarryboxBuilderForm::Refresh() {
  const bool levelControls = Builder.LevelControlsEnabled();
  ShowButtons[size_t(Builder.ShownSkin())]->setChecked(true);
  for (QWidget *control : LevelControls)
    control->setEnabled(levelControls);
  const bool visible = Builder.LevelPictureVisible();
  GridSlider->setEnabled(levelControls && visible);
  LevelPictureToggle->setText(
      QStringLiteral("<a href=\"#\">%1</a>").arg(tr(visible ? NowVisible : NowHidden)));
  LevelPictureToggle->setToolTip(visible ? tr("Hide current level image in development mode")
                                         : tr("Show current level image in development mode"));
  LevelCountLabel->setText(QString::number(Builder.Levels().Count()));
  CurrentLevelLabel->setText(
      Builder.Levels().Current() == 0 ? tr("none") : QString::number(Builder.Levels().Current()));
  {
    const QSignalBlocker quiet(GridSlider);
    GridSlider->setValue(Builder.Levels().CurrentGridSize());
  }
  FillLevelList();
  Redraw();
}

void TQuarryboxBuilderForm::Redraw() {
  // The window picture belongs to the main window; the builder draws on it only while open.
  if (RedrawSuspended || !isVisible())
    return;
  const TPreviewResult result = DrawBuilderPreview(WindowPicture, Builder);
  GridSizeLabel->setText(result.Columns > 0 ? tr("Grid %1 x %2, cells of %3 x %4 pixels")
                                                  .arg(result.Columns)
                                                  .arg(result.Rows)
                                                  .arg(qRound(result.CellWidth))
                                                  .arg(qRound(result.CellHeight))
                                            : QString());
  if (OnPreviewChanged)
    OnPreviewChanged();
  if (!result.Error.isEmpty())
    Tell(result.Error);
}
