// The builder window's controls, laid out at fixed places as the window always had them (moved
// only as far as a translated text needs), and wired to the builder's handlers.
#include "builder/BuilderForm.h"

#include "builder/BuilderQuestions.h"
#include "builder/ColourSwatch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <array>
#include <functional>
#include <tuple>
#include <utility>

namespace {

template <class T>
T *Make(QWidget *parent, const char *name, const QString &caption, QRect area,
        const QString &hint = QString()) {
  auto *w = new T(caption, parent);
  w->setObjectName(name);
  w->setGeometry(area);
  w->setToolTip(hint);
  return w;
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

// One row of the Skins group: the button choosing a skin's picture, its Stretch and Show, and
// the outline colour and Draw tick of the panel the row also stands for.
struct TSkinRow {
  QPushButton *Choose;
  QCheckBox *Stretch;
  QRadioButton *Show;
  TColourSwatch *Swatch;
  QCheckBox *Draw;
};

TSkinRow BuildSkinRow(QGroupBox *skins, int i) {
  const auto at = size_t(i);
  const std::array<const char *, 3> chooseNames{"chooseStartSkinButton", "choosePlayingSkinButton",
                                                "chooseGameOverSkinButton"};
  //: Buttons choosing the pictures of the title screen, of the levels' background and of the
  //: game-over screen
  const std::array<const char *, 3> skinCaptions{
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Start"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Levels"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "End")};
  const std::array<const char *, 3> skinHints{
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Starting Skin  Image"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Playing Skin  Image"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Game Over Skin  Image")};
  const std::array<const char *, 3> stretchNames{"stretchStartCheck", "stretchPlayingCheck",
                                                 "stretchGameOverCheck"};
  const std::array<const char *, 3> showNames{"showStartRadio", "showPlayingRadio",
                                              "showGameOverRadio"};
  const std::array<const char *, 3> swatchNames{"playfieldColourSwatch", "scorefieldColourSwatch",
                                                "nextfieldColourSwatch"};
  const std::array<const char *, 3> drawNames{"drawPlayfieldCheck", "drawScorefieldCheck",
                                              "drawNextfieldCheck"};
  const std::array<const char *, 3> drawCaptions{
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Playfield Box"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Scorefield Box"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Nextfield Box")};
  const int y = 16 + 25 * i;
  TSkinRow row{};
  row.Choose =
      Make<QPushButton>(skins, chooseNames[at], TQuarryboxBuilderForm::tr(skinCaptions[at]),
                        {8, y, 60, 21}, TQuarryboxBuilderForm::tr(skinHints[at]));
  //: Stretch the skin's picture to the window
  row.Stretch = Make<QCheckBox>(skins, stretchNames[at], TQuarryboxBuilderForm::tr("Stretch"),
                                {76, y + 2, 64, 17});
  //: Show this skin in the main window while building
  row.Show = Make<QRadioButton>(skins, showNames[at], TQuarryboxBuilderForm::tr("Show"),
                                {144, y + 2, 56, 17});
  row.Swatch = new TColourSwatch(skins);
  row.Swatch->setObjectName(swatchNames[at]);
  row.Swatch->setGeometry(212, y + 2, 17, 17);
  row.Draw = Make<QCheckBox>(skins, drawNames[at], TQuarryboxBuilderForm::tr(drawCaptions[at]),
                             {236, y + 2, 156, 17});
  return row;
}

// The Levels group's column of buttons and its Rearrange row.
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
  b.Add = Make<QPushButton>(levels, "addLevelsButton", TQuarryboxBuilderForm::tr("Add Level(s)"),
                            {8, 16, 92, 21}, TQuarryboxBuilderForm::tr("Add New Level"));
  b.Insert =
      Make<QPushButton>(levels, "insertLevelsButton", TQuarryboxBuilderForm::tr("Insert Level(s)"),
                        {8, 42, 92, 21}, TQuarryboxBuilderForm::tr("Insert Level"));
  b.Delete =
      Make<QPushButton>(levels, "deleteLevelButton", TQuarryboxBuilderForm::tr("Delete Level"),
                        {8, 68, 92, 21}, TQuarryboxBuilderForm::tr("Delete Current Level"));
  b.Help = Make<QPushButton>(levels, "helpButton", TQuarryboxBuilderForm::tr("Help File"),
                             {8, 94, 92, 21}, TQuarryboxBuilderForm::tr("Help File"));
  Make<QLabel>(levels, "rearrangeLabel", TQuarryboxBuilderForm::tr("Rearrange Levels:"),
               {110, 18, 100, 17});
  //: Moves the current level one place later in the game
  b.Down = Make<QPushButton>(levels, "moveDownButton", TQuarryboxBuilderForm::tr("Down"),
                             {214, 16, 50, 21},
                             TQuarryboxBuilderForm::tr("Move current level down one place"));
  //: Moves the current level one place earlier in the game
  b.Up =
      Make<QPushButton>(levels, "moveUpButton", TQuarryboxBuilderForm::tr("Up"), {268, 16, 50, 21},
                        TQuarryboxBuilderForm::tr("Move current level up one place"));
  return b;
}

// The Navigate row: first, previous, next and last level, each with the step it takes.
struct TNavigationButton {
  QPushButton *Button;
  bool (TBuilderLevels::*Step)();
};

std::array<TNavigationButton, 4> BuildNavigation(QGroupBox *levels) {
  Make<QLabel>(levels, "navigateLabel", TQuarryboxBuilderForm::tr("Navigate:"), {110, 44, 100, 17});
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
    buttons[i] = {Make<QPushButton>(levels, names[i], captions[i], {214 + 34 * int(i), 42, 30, 21},
                                    TQuarryboxBuilderForm::tr(hints[i])),
                  steps[i]};
  return buttons;
}

// "Current Level (now visible) : 3" and "Total Number of Levels: 5".
struct TLevelLines {
  QLabel *PictureToggle;
  QLabel *CurrentLevelHeadingEnd;
  QLabel *CurrentLevel;
  QLabel *LevelCount;
};

TLevelLines BuildLevelLines(QGroupBox *levels) {
  TLevelLines lines{};
  Make<QLabel>(levels, "currentLevelHeading", TQuarryboxBuilderForm::tr("Current Level  ("),
               {110, 70, 80, 17});
  lines.PictureToggle = Make<QLabel>(levels, "levelPictureToggle", QString(), {190, 70, 60, 17});
  lines.PictureToggle->setCursor(Qt::PointingHandCursor);
  lines.CurrentLevelHeadingEnd =
      Make<QLabel>(levels, "currentLevelHeadingEnd", ") :", {252, 70, 16, 17});
  lines.CurrentLevel = Make<QLabel>(levels, "currentLevelLabel", TQuarryboxBuilderForm::tr("none"),
                                    {270, 70, 60, 17});
  Make<QLabel>(levels, "levelCountHeading", TQuarryboxBuilderForm::tr("Total Number of Levels:"),
               {110, 88, 124, 17});
  lines.LevelCount = Make<QLabel>(levels, "levelCountLabel", "0", {236, 88, 60, 17});
  return lines;
}

// The Grid row in the Levels group, and below the group the line telling the grid's size.
std::pair<QSlider *, QLabel *> BuildGridRow(QGroupBox *levels, QWidget *form) {
  Make<QLabel>(levels, "gridHeading", TQuarryboxBuilderForm::tr("Grid:"), {110, 108, 28, 17});
  Make<QLabel>(levels, "gridSmallLabel", TQuarryboxBuilderForm::tr("<-- small"),
               {140, 108, 50, 17});
  auto *slider = new QSlider(Qt::Horizontal, levels);
  slider->setObjectName("gridSlider");
  slider->setGeometry(190, 106, 120, 20);
  slider->setRange(TBuilderModel::MinGridSize, TBuilderModel::MaxGridSize);
  slider->setSingleStep(1);
  slider->setToolTip(TQuarryboxBuilderForm::tr("Choose Grid"));
  Make<QLabel>(levels, "gridLargeLabel", TQuarryboxBuilderForm::tr("large ->"), {312, 108, 44, 17});
  return {slider, Make<QLabel>(form, "gridSizeLabel", QString(), {12, 246, 440, 17})};
}

// Every level at a glance, the last at the top as Up and Down move them; choosing one selects
// it as the arrows do.
QListWidget *BuildLevelList(QWidget *form, QSize thumbnailSize) {
  auto *list = new QListWidget(form);
  list->setObjectName("levelList");
  list->setGeometry(412, 10, 214, 226);
  list->setIconSize(thumbnailSize);
  list->setToolTip(TQuarryboxBuilderForm::tr(
      "Levels, the last at the top: choose one to edit it; drop pictures here to add them"));
  return list;
}

std::pair<QPushButton *, QPushButton *> BuildOkCancel(QWidget *form) {
  return {Make<QPushButton>(form, "okButton", TQuarryboxBuilderForm::tr("Ok"), {458, 244, 80, 23}),
          Make<QPushButton>(form, "cancelButton", TQuarryboxBuilderForm::tr("Cancel"),
                            {544, 244, 80, 23})};
}

} // namespace

// The controls are made group by group in the order of the window's tab chain; here they are
// kept and wired to the builder's handlers.
void TQuarryboxBuilderForm::BuildControls() {
  const auto onClick = [this](QAbstractButton *button, const std::function<void()> &act) {
    connect(button, &QAbstractButton::clicked, this, act);
  };
  const auto withLevels = [this](bool (TBuilderLevels::*step)()) {
    return [this, step] { WithLevels([this, step] { return (Builder.Levels().*step)(); }); };
  };
  auto *skins = Make<QGroupBox>(this, "skinsGroup", tr("Skins"), {6, 4, 400, 96});
  for (int i = 0; i < 3; ++i) {
    const auto kind = TSkinKind(i);
    const TSkinRow row = BuildSkinRow(skins, i);
    onClick(row.Choose, [this, kind] { ChooseSkin(kind); });
    connect(row.Stretch, &QCheckBox::clicked, this, [this, kind](bool ticked) {
      Builder.SetStretch(kind, ticked);
      Redraw();
    });
    onClick(row.Show, [this, kind] { ShowSkin(kind); });
    row.Swatch->OnMouseDown = [this, i] { ChooseColour(i); };
    onClick(row.Draw, [this] { DrawBoxClicked(); });
    StretchBoxes[size_t(i)] = row.Stretch;
    ShowButtons[size_t(i)] = row.Show;
    Swatches[size_t(i)] = row.Swatch;
    DrawBoxes[size_t(i)] = row.Draw;
  }

  auto *levels = Make<QGroupBox>(this, "levelsGroup", tr("Levels"), {6, 104, 400, 132});
  const TLevelButtons buttons = BuildLevelButtons(levels);
  onClick(buttons.Add, [this] { TakeLevels(false); });
  onClick(buttons.Insert, [this] { TakeLevels(true); });
  onClick(buttons.Delete, [this] { DeleteLevel(); });
  onClick(buttons.Help,
          [this] { Questions.OpenHelp("file://" + ProgramFolder + "Help/builder.html"); });
  onClick(buttons.Down, withLevels(&TBuilderLevels::MoveCurrentDown));
  onClick(buttons.Up, withLevels(&TBuilderLevels::MoveCurrentUp));
  const std::array<TNavigationButton, 4> navigation = BuildNavigation(levels);
  for (const TNavigationButton &nav : navigation)
    onClick(nav.Button, withLevels(nav.Step));

  const TLevelLines lines = BuildLevelLines(levels);
  LevelPictureToggle = lines.PictureToggle;
  CurrentLevelHeadingEnd = lines.CurrentLevelHeadingEnd;
  CurrentLevelLabel = lines.CurrentLevel;
  LevelCountLabel = lines.LevelCount;
  connect(LevelPictureToggle, &QLabel::linkActivated, this, [this] { ToggleLevelPicture(); });
  std::tie(GridSlider, GridSizeLabel) = BuildGridRow(levels, this);
  connect(GridSlider, &QSlider::valueChanged, this, [this](int value) { GridChanged(value); });
  LevelList = BuildLevelList(this, ThumbnailSize);
  connect(LevelList, &QListWidget::currentRowChanged, this, [this](int row) { LevelClicked(row); });

  LevelControls = {buttons.Add,    buttons.Insert, buttons.Help,
                   buttons.Delete, buttons.Up,     buttons.Down};
  for (const TNavigationButton &nav : navigation)
    LevelControls << nav.Button;
  LevelControls << GridSlider;

  const auto [ok, cancel] = BuildOkCancel(this);
  onClick(ok, [this] { OkClick(); });
  onClick(cancel, [this] { reject(); });
}

// The rows, left to right, whose texts may need more room in a translation.
void TQuarryboxBuilderForm::FitTexts() {
  const std::initializer_list<std::initializer_list<const char *>> rows = {
      {"chooseStartSkinButton", "stretchStartCheck", "showStartRadio", "playfieldColourSwatch",
       "drawPlayfieldCheck"},
      {"choosePlayingSkinButton", "stretchPlayingCheck", "showPlayingRadio",
       "scorefieldColourSwatch", "drawScorefieldCheck"},
      {"chooseGameOverSkinButton", "stretchGameOverCheck", "showGameOverRadio",
       "nextfieldColourSwatch", "drawNextfieldCheck"},
      {"rearrangeLabel", "moveDownButton", "moveUpButton"},
      {"navigateLabel", "firstLevelButton", "previousLevelButton", "nextLevelButton",
       "lastLevelButton"},
      {"currentLevelHeading", "levelPictureToggle", "currentLevelHeadingEnd", "currentLevelLabel"},
      {"levelCountHeading", "levelCountLabel"},
      {"gridHeading", "gridSmallLabel", "gridSlider", "gridLargeLabel"}};
  for (const auto &names : rows) {
    QList<QWidget *> row;
    for (const char *name : names)
      row << findChild<QWidget *>(name);
    FitRow(row);
  }
}
