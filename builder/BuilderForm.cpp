#include "builder/BuilderForm.h"

#include "builder/BuilderPlacement.h"
#include "builder/BuilderPreview.h"
#include "builder/LevelControls.h"
#include "builder/LevelListView.h"
#include "builder/OutlineControls.h"
#include "builder/PlacedControl.h"
#include "builder/SkinControls.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

using TRows = QList<QList<QWidget *>>;

TRows Rows(const QWidget &form, std::initializer_list<std::initializer_list<const char *>> names) {
  TRows rows;
  for (const auto &row : names) {
    rows.append(QList<QWidget *>());
    for (const char *name : row)
      rows.last() << form.findChild<QWidget *>(name);
  }
  return rows;
}

// The Skins group's rows, left to right: a skin's controls, then the outline of the panel the
// row also stands for.
TRows SkinRows(const QWidget &form) {
  return Rows(form, {{"chooseStartSkinButton", "stretchStartCheck", "showStartRadio",
                      "playfieldColourSwatch", "drawPlayfieldCheck"},
                     {"choosePlayingSkinButton", "stretchPlayingCheck", "showPlayingRadio",
                      "scorefieldColourSwatch", "drawScorefieldCheck"},
                     {"chooseGameOverSkinButton", "stretchGameOverCheck", "showGameOverRadio",
                      "nextfieldColourSwatch", "drawNextfieldCheck"}});
}

// The Levels group's rows whose texts may need more room in a translation.
TRows LevelRows(const QWidget &form) {
  return Rows(form, {{"rearrangeLabel", "moveDownButton", "moveUpButton"},
                     {"navigateLabel", "firstLevelButton", "previousLevelButton", "nextLevelButton",
                      "lastLevelButton"},
                     {"currentLevelHeading", "levelPictureToggle", "currentLevelHeadingEnd",
                      "currentLevelLabel"},
                     {"levelCountHeading", "levelCountLabel"},
                     {"gridHeading", "gridSmallLabel", "gridSlider", "gridLargeLabel"}});
}

// The width a control needs to show its text on one line.
int TextWidth(const QWidget *w) {
  if (auto *button = qobject_cast<const QPushButton *>(w))
    return button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + 8;
  if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w))
    return w->sizeHint().width();
  return w->width();
}

// Keeps the controls of a row at their designed places while their texts fit there, as the
// English ones do; a longer text (a translation) widens its control and moves the rest of the
// row to the right by as much, keeping the designed gaps.
void FitRow(const QList<QWidget *> &row) {
  int moved = 0; // how far the previous control's right edge moved
  for (QWidget *w : row) {
    const int designedEnd = w->x() + w->width();
    w->setGeometry(w->x() + moved, w->y(), std::max(w->width(), TextWidth(w)), w->height());
    moved = w->x() + w->width() - designedEnd;
  }
}

} // namespace

TQuarryboxBuilderForm::TQuarryboxBuilderForm(TDialogHost &host, TGameData &game,
                                             TSettingsStore &settings, TBuilderQuestions &questions,
                                             QImage &windowPicture, const QString &programFolder,
                                             QString importFolder, QWidget *parent)
    : TDialogForm(host, parent), Game(game), Settings(settings), WindowPicture(windowPicture),
      Questions(*this, host, questions),
      Intake(settings, Questions, programFolder, std::move(importFolder)) {
  setObjectName("QuarryboxBuilderForm");
  setWindowTitle(tr("Quarrybox Builder"));
  // A tool window with only a close box.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(632, 271);
  setAcceptDrops(true);

  BuildControls(programFolder);
  FitTexts();
  ChainSkinRows();
  ResetGame();
}

TQuarryboxBuilderForm::~TQuarryboxBuilderForm() = default;

// The groups are made in the order of the window's tab chain.
void TQuarryboxBuilderForm::BuildControls(const QString &programFolder) {
  auto *skins = PlacedControl<QGroupBox>(this, "skinsGroup", tr("Skins"), {6, 4, 400, 96});
  Skins = std::make_unique<TSkinControls>(skins, Builder, Intake);
  Skins->OnChange = [this] { Refresh(); };
  Skins->OnRedraw = [this] { Redraw(); };
  Outlines = std::make_unique<TOutlineControls>(skins, Builder, Game, Questions);
  Outlines->OnRedraw = [this] { Redraw(); };

  auto *levels = PlacedControl<QGroupBox>(this, "levelsGroup", tr("Levels"), {6, 104, 400, 132});
  Levels = std::make_unique<TLevelControls>(levels, Builder, Intake, Questions,
                                            "file://" + programFolder + "Help/builder.html");
  Levels->OnChange = [this] { Refresh(); };
  GridSizeLabel = PlacedControl<QLabel>(this, "gridSizeLabel", QString(), {12, 246, 440, 17});
  LevelList = std::make_unique<TLevelListView>(this, Builder);
  LevelList->OnChange = [this] { Refresh(); };

  auto *ok = PlacedControl<QPushButton>(this, "okButton", tr("Ok"), {458, 244, 80, 23});
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  auto *cancel = PlacedControl<QPushButton>(this, "cancelButton", tr("Cancel"), {544, 244, 80, 23});
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

// The rows, left to right, whose texts may need more room in a translation.
void TQuarryboxBuilderForm::FitTexts() {
  for (const QList<QWidget *> &row : SkinRows(*this) + LevelRows(*this))
    FitRow(row);
}

// Tab goes along the Skins group's rows as they read, though the skins' controls are made
// before the outlines'.
void TQuarryboxBuilderForm::ChainSkinRows() {
  QWidget *previous = nullptr;
  for (const QList<QWidget *> &row : SkinRows(*this))
    for (QWidget *control : row) {
      if (previous)
        setTabOrder(previous, control);
      previous = control;
    }
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
  // Back from one of its own dialogs: where it was, as it was.
  if (Questions.ComeBack()) {
    Refresh();
    return;
  }
  PlaceWindow();
  RedrawSuspended = true;
  Builder.SetLevelPictureVisible(true);
  Builder.TakeLayout(Game);
  Outlines->Refresh();
  Skins->RefreshStretch();
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
  Levels->Add(files, false);
}

void TQuarryboxBuilderForm::OkClick() {
  const QString problem = Builder.Validate();
  if (!problem.isEmpty()) {
    Questions.ShowMessage(problem);
    return;
  }
  accept();
}

void TQuarryboxBuilderForm::Refresh() {
  Skins->RefreshShown();
  Levels->Refresh();
  LevelList->Refresh();
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
    Questions.ShowMessage(result.Error);
}
