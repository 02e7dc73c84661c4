#include "builder/LevelControls.h"

#include "builder/BuilderModel.h"
#include "builder/BuilderQuestions.h"
#include "builder/PictureIntake.h"
#include "builder/PlacedControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <array>
#include <utility>

namespace {

const char *const NoLevels = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "No Levels Defined!");
//: The current level's picture in the builder, as in "Current Level (now visible)"
const char *const NowVisible = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "now visible");
//: The current level's picture in the builder, as in "Current Level (now hidden)"
const char *const NowHidden = QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "now hidden");

// The column of buttons and the Rearrange row.
struct TLevelButtons {
  QPushButton *Add;
  QPushButton *Insert;
  QPushButton *Delete;
  QPushButton *Help;
  QPushButton *Down;
  QPushButton *Up;
};

TLevelButtons BuildLevelButtons(QGroupBox *levels) {
  TLevelButtons b{};
  b.Add = PlacedControl<QPushButton>(levels, "addLevelsButton", TLevelControls::tr("Add Level(s)"),
                                     {8, 16, 92, 21}, TLevelControls::tr("Add New Level"));
  b.Insert = PlacedControl<QPushButton>(levels, "insertLevelsButton",
                                        TLevelControls::tr("Insert Level(s)"), {8, 42, 92, 21},
                                        TLevelControls::tr("Insert Level"));
  b.Delete =
      PlacedControl<QPushButton>(levels, "deleteLevelButton", TLevelControls::tr("Delete Level"),
                                 {8, 68, 92, 21}, TLevelControls::tr("Delete Current Level"));
  b.Help = PlacedControl<QPushButton>(levels, "helpButton", TLevelControls::tr("Help File"),
                                      {8, 94, 92, 21}, TLevelControls::tr("Help File"));
  PlacedControl<QLabel>(levels, "rearrangeLabel", TLevelControls::tr("Rearrange Levels:"),
                        {110, 18, 100, 17});
  //: Moves the current level one place later in the game
  b.Down = PlacedControl<QPushButton>(levels, "moveDownButton", TLevelControls::tr("Down"),
                                      {214, 16, 50, 21},
                                      TLevelControls::tr("Move current level down one place"));
  //: Moves the current level one place earlier in the game
  b.Up = PlacedControl<QPushButton>(levels, "moveUpButton", TLevelControls::tr("Up"),
                                    {268, 16, 50, 21},
                                    TLevelControls::tr("Move current level up one place"));
  return b;
}

// The Navigate row: first, previous, next and last level, each with the step it takes.
struct TNavigationButton {
  QPushButton *Button;
  bool (TBuilderLevels::*Step)();
};

std::array<TNavigationButton, 4> BuildNavigation(QGroupBox *levels) {
  PlacedControl<QLabel>(levels, "navigateLabel", TLevelControls::tr("Navigate:"),
                        {110, 44, 100, 17});
  const std::array<const char *, 4> names{"firstLevelButton", "previousLevelButton",
                                          "nextLevelButton", "lastLevelButton"};
  const std::array<const char *, 4> captions{"<<", "<", ">", ">>"};
  const std::array<const char *, 4> hints{
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "First Level"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Previous Level"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Next Level"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Last Level")};
  const std::array<bool (TBuilderLevels::*)(), 4> steps{
      &TBuilderLevels::SelectFirst, &TBuilderLevels::SelectPrevious, &TBuilderLevels::SelectNext,
      &TBuilderLevels::SelectLast};
  std::array<TNavigationButton, 4> buttons{};
  for (size_t i = 0; i < 4; ++i)
    buttons[i] = {PlacedControl<QPushButton>(levels, names[i], captions[i],
                                             {214 + 34 * int(i), 42, 30, 21},
                                             TLevelControls::tr(hints[i])),
                  steps[i]};
  return buttons;
}

// "Current Level (now visible) : 3" and "Total Number of Levels: 5".
struct TLevelLines {
  QLabel *PictureToggle;
  QLabel *HeadingEnd;
  QLabel *CurrentLevel;
  QLabel *LevelCount;
};

TLevelLines BuildLevelLines(QGroupBox *levels) {
  TLevelLines lines{};
  PlacedControl<QLabel>(levels, "currentLevelHeading", TLevelControls::tr("Current Level  ("),
                        {110, 70, 80, 17});
  lines.PictureToggle =
      PlacedControl<QLabel>(levels, "levelPictureToggle", QString(), {190, 70, 60, 17});
  lines.PictureToggle->setCursor(Qt::PointingHandCursor);
  lines.HeadingEnd =
      PlacedControl<QLabel>(levels, "currentLevelHeadingEnd", ") :", {252, 70, 16, 17});
  lines.CurrentLevel = PlacedControl<QLabel>(levels, "currentLevelLabel",
                                             TLevelControls::tr("none"), {270, 70, 60, 17});
  PlacedControl<QLabel>(levels, "levelCountHeading", TLevelControls::tr("Total Number of Levels:"),
                        {110, 88, 124, 17});
  lines.LevelCount = PlacedControl<QLabel>(levels, "levelCountLabel", "0", {236, 88, 60, 17});
  return lines;
}

// The Grid row: "Grid: <-- small", the bar, "large ->".
QSlider *BuildGridRow(QGroupBox *levels) {
  PlacedControl<QLabel>(levels, "gridHeading", TLevelControls::tr("Grid:"), {110, 108, 28, 17});
  PlacedControl<QLabel>(levels, "gridSmallLabel", TLevelControls::tr("<-- small"),
                        {140, 108, 50, 17});
  auto *slider = new QSlider(Qt::Horizontal, levels);
  slider->setObjectName("gridSlider");
  slider->setGeometry(190, 106, 120, 20);
  slider->setRange(TBuilderModel::MinGridSize, TBuilderModel::MaxGridSize);
  slider->setSingleStep(1);
  slider->setToolTip(TLevelControls::tr("Choose Grid"));
  PlacedControl<QLabel>(levels, "gridLargeLabel", TLevelControls::tr("large ->"),
                        {312, 108, 44, 17});
  return slider;
}

} // namespace

TLevelControls::TLevelControls(QGroupBox *group, TBuilderModel &model, TPictureIntake &intake,
                               TBuilderQuestions &questions, QString helpAddress)
    : Model(model), Intake(intake), Questions(questions), HelpAddress(std::move(helpAddress)) {
  Build(group);
}

// Made in the order of the window's tab chain, and wired.
void TLevelControls::Build(QGroupBox *group) {
  const auto onClick = [](QPushButton *button, const std::function<void()> &act) {
    QObject::connect(button, &QPushButton::clicked, button, act);
  };
  const TLevelButtons buttons = BuildLevelButtons(group);
  onClick(buttons.Add, [this] { Ask(false); });
  onClick(buttons.Insert, [this] { Ask(true); });
  onClick(buttons.Delete, [this] { DeleteCurrent(); });
  onClick(buttons.Help, [this] { Questions.OpenHelp(HelpAddress); });
  onClick(buttons.Down, [this] { WithLevels(&TBuilderLevels::MoveCurrentDown); });
  onClick(buttons.Up, [this] { WithLevels(&TBuilderLevels::MoveCurrentUp); });
  const std::array<TNavigationButton, 4> navigation = BuildNavigation(group);
  for (const TNavigationButton &nav : navigation)
    onClick(nav.Button, [this, step = nav.Step] { WithLevels(step); });

  const TLevelLines lines = BuildLevelLines(group);
  PictureToggle = lines.PictureToggle;
  HeadingEnd = lines.HeadingEnd;
  CurrentLevel = lines.CurrentLevel;
  LevelCount = lines.LevelCount;
  QObject::connect(PictureToggle, &QLabel::linkActivated, PictureToggle,
                   [this] { TogglePicture(); });
  Grid = BuildGridRow(group);
  QObject::connect(Grid, &QSlider::valueChanged, Grid, [this](int value) { GridChanged(value); });

  Enabled = {buttons.Add, buttons.Insert, buttons.Help, buttons.Delete, buttons.Up, buttons.Down};
  for (const TNavigationButton &nav : navigation)
    Enabled << nav.Button;
  Enabled << Grid;
}

void TLevelControls::Add(const QStringList &files, bool insert) {
  Intake.Take(files, [this, insert](const QStringList &taken) {
    if (insert)
      Model.InsertLevels(taken);
    else
      Model.AddLevels(taken);
    OnChange();
  });
}

void TLevelControls::Refresh() {
  const bool enabled = Model.LevelControlsEnabled();
  for (QWidget *control : Enabled)
    control->setEnabled(enabled);
  const bool visible = Model.LevelPictureVisible();
  Grid->setEnabled(enabled && visible);
  PictureToggle->setText(
      QStringLiteral("<a href=\"#\">%1</a>").arg(tr(visible ? NowVisible : NowHidden)));
  PictureToggle->setToolTip(visible ? tr("Hide current level image in development mode")
                                    : tr("Show current level image in development mode"));
  const TBuilderLevels &levels = Model.Levels();
  LevelCount->setText(QString::number(levels.Count()));
  CurrentLevel->setText(levels.Current() == 0 ? tr("none") : QString::number(levels.Current()));
  const QSignalBlocker quiet(Grid);
  Grid->setValue(levels.CurrentGridSize());
}

void TLevelControls::Ask(bool insert) { Add(Intake.AskSeveral(), insert); }

void TLevelControls::DeleteCurrent() {
  if (Model.Levels().Current() == 0) {
    Questions.ShowMessage(tr(NoLevels));
    return;
  }
  if (!Questions.Confirm(tr("Confirm Delete"), tr("Really Delete Current Level?!")))
    return;
  Model.Levels().DeleteCurrent();
  OnChange();
}

void TLevelControls::WithLevels(bool (TBuilderLevels::*step)()) {
  if (Model.Levels().Current() == 0) {
    Questions.ShowMessage(tr(NoLevels));
    return;
  }
  if ((Model.Levels().*step)())
    OnChange();
}

void TLevelControls::GridChanged(int value) {
  if (!Model.Levels().SetGridSize(value)) {
    const QSignalBlocker quiet(Grid);
    Grid->setValue(TBuilderModel::MinGridSize);
    return;
  }
  OnChange();
}

void TLevelControls::TogglePicture() {
  if (!Model.LevelControlsEnabled())
    return;
  const bool show = !Model.LevelPictureVisible();
  Model.SetLevelPictureVisible(show);
  // The two labels after the toggle make room for its text.
  const int shift = show ? -2 : 2;
  HeadingEnd->move(HeadingEnd->pos() + QPoint(shift, 0));
  CurrentLevel->move(CurrentLevel->pos() + QPoint(shift, 0));
  OnChange();
}
