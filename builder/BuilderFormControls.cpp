// The builder window's controls, laid out at fixed places as the window always had them, and
// wired to the builder's handlers.
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

#include <array>

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

} // namespace

void TQuarryboxBuilderForm::BuildControls() {
  auto *skins = Make<QGroupBox>(this, "GroupBox2", "Skins", {6, 4, 400, 96});
  const std::array<const char *, 3> skinButtons{"Button1", "Button2", "Button3"};
  const std::array<const char *, 3> skinCaptions{"Start", "Levels", "End"};
  const std::array<const char *, 3> skinHints{"Starting Skin  Image", "Playing Skin  Image",
                                              "Game Over Skin  Image"};
  const std::array<const char *, 3> stretchNames{"StartStretchCB", "PlayStretchCB", "EndStretchCB"};
  const std::array<const char *, 3> showNames{"ShowStartRB", "ShowPlayRB", "ShowEndRB"};
  const std::array<const char *, 3> swatchNames{"PlaySH", "ScoreSH", "NextSH"};
  const std::array<const char *, 3> drawNames{"DrawPlayCB", "DrawScoreCB", "DrawNextCB"};
  const std::array<const char *, 3> drawCaptions{"Draw Playfield Box", "Draw Scorefield Box",
                                                 "Draw Nextfield Box"};
  for (int i = 0; i < 3; ++i) {
    const int y = 16 + 25 * i;
    const auto kind = TSkinKind(i);
    auto *button = Make<QPushButton>(skins, skinButtons[size_t(i)], skinCaptions[size_t(i)],
                                     {8, y, 60, 21}, skinHints[size_t(i)]);
    connect(button, &QPushButton::clicked, this, [this, kind] { ChooseSkin(kind); });
    StretchBoxes[size_t(i)] =
        Make<QCheckBox>(skins, stretchNames[size_t(i)], "Stretch", {76, y + 2, 64, 17});
    connect(StretchBoxes[size_t(i)], &QCheckBox::clicked, this, [this, kind](bool ticked) {
      Builder.SetStretch(kind, ticked);
      Redraw();
    });
    ShowButtons[size_t(i)] =
        Make<QRadioButton>(skins, showNames[size_t(i)], "Show", {144, y + 2, 56, 17});
    connect(ShowButtons[size_t(i)], &QRadioButton::clicked, this, [this, kind] { ShowSkin(kind); });
    Swatches[size_t(i)] = new TColourSwatch(skins);
    Swatches[size_t(i)]->setObjectName(swatchNames[size_t(i)]);
    Swatches[size_t(i)]->setGeometry(212, y + 2, 17, 17);
    Swatches[size_t(i)]->OnMouseDown = [this, i] { ChooseColour(i); };
    DrawBoxes[size_t(i)] = Make<QCheckBox>(skins, drawNames[size_t(i)], drawCaptions[size_t(i)],
                                           {236, y + 2, 156, 17});
    connect(DrawBoxes[size_t(i)], &QCheckBox::clicked, this, [this] { DrawBoxClicked(); });
  }

  auto *levels = Make<QGroupBox>(this, "GroupBox3", "Levels", {6, 104, 400, 132});
  auto *add =
      Make<QPushButton>(levels, "Button9", "Add Level(s)", {8, 16, 92, 21}, "Add New Level");
  connect(add, &QPushButton::clicked, this, [this] { TakeLevels(false); });
  auto *insert =
      Make<QPushButton>(levels, "Button4", "Insert Level(s)", {8, 42, 92, 21}, "Insert Level");
  connect(insert, &QPushButton::clicked, this, [this] { TakeLevels(true); });
  auto *remove =
      Make<QPushButton>(levels, "Button8", "Delete Level", {8, 68, 92, 21}, "Delete Current Level");
  connect(remove, &QPushButton::clicked, this, [this] { DeleteLevel(); });
  auto *help = Make<QPushButton>(levels, "Button5", "Help File", {8, 94, 92, 21}, "Help File");
  connect(help, &QPushButton::clicked, this,
          [this] { Questions.OpenHelp("file://" + ProgramFolder + "Help/builder.html"); });

  Make<QLabel>(levels, "Label1", "Rearrange Levels:", {110, 18, 100, 17});
  auto *down = Make<QPushButton>(levels, "Button17", "Down", {214, 16, 50, 21},
                                 "Move current level down one place");
  connect(down, &QPushButton::clicked, this,
          [this] { WithLevels([this] { return Builder.MoveCurrentDown(); }); });
  auto *up = Make<QPushButton>(levels, "Button16", "Up", {268, 16, 50, 21},
                               "Move current level up one place");
  connect(up, &QPushButton::clicked, this,
          [this] { WithLevels([this] { return Builder.MoveCurrentUp(); }); });

  Make<QLabel>(levels, "Label2", "Navigate:", {110, 44, 100, 17});
  const std::array<const char *, 4> navNames{"Button10", "Button11", "Button12", "Button13"};
  const std::array<const char *, 4> navCaptions{"<<", "<", ">", ">>"};
  const std::array<const char *, 4> navHints{"First Level", "Previous Level", "Next Level",
                                             "Last Level"};
  const std::array<bool (TBuilderModel::*)(), 4> navSteps{
      &TBuilderModel::SelectFirst, &TBuilderModel::SelectPrevious, &TBuilderModel::SelectNext,
      &TBuilderModel::SelectLast};
  QList<QWidget *> navigation;
  for (size_t i = 0; i < 4; ++i) {
    auto *nav = Make<QPushButton>(levels, navNames[i], navCaptions[i],
                                  {214 + 34 * int(i), 42, 30, 21}, navHints[i]);
    const auto step = navSteps[i];
    connect(nav, &QPushButton::clicked, this,
            [this, step] { WithLevels([this, step] { return (Builder.*step)(); }); });
    navigation << nav;
  }

  Make<QLabel>(levels, "Label8", "Current Level  (", {110, 70, 80, 17});
  showLL = Make<QLabel>(levels, "showLL", QString(), {190, 70, 60, 17});
  showLL->setCursor(Qt::PointingHandCursor);
  connect(showLL, &QLabel::linkActivated, this, [this] { ToggleLevelPicture(); });
  Label9 = Make<QLabel>(levels, "Label9", ") :", {252, 70, 16, 17});
  CurrentLavelL = Make<QLabel>(levels, "CurrentLavelL", "none", {270, 70, 60, 17});
  Make<QLabel>(levels, "Label10", "Total Number of Levels:", {110, 88, 124, 17});
  LevelNumL = Make<QLabel>(levels, "LevelNumL", "0", {236, 88, 60, 17});

  Make<QLabel>(levels, "Label11", "Grid:", {110, 108, 28, 17});
  Make<QLabel>(levels, "Label12", "<-- small", {140, 108, 50, 17});
  GridTB = new QSlider(Qt::Horizontal, levels);
  GridTB->setObjectName("GridTB");
  GridTB->setGeometry(190, 106, 120, 20);
  GridTB->setRange(TBuilderModel::MinGridSize, TBuilderModel::MaxGridSize);
  GridTB->setSingleStep(1);
  GridTB->setToolTip("Choose Grid");
  connect(GridTB, &QSlider::valueChanged, this, [this](int value) { GridChanged(value); });
  Make<QLabel>(levels, "Label13", "large ->", {312, 108, 44, 17});
  GridSizeL = Make<QLabel>(this, "GridSizeL", QString(), {12, 246, 220, 17});

  // Every level at a glance, the last at the top as Up and Down move them; choosing one selects
  // it as the arrows do.
  LevelList = new QListWidget(this);
  LevelList->setObjectName("LevelList");
  LevelList->setGeometry(412, 10, 214, 226);
  LevelList->setIconSize(ThumbnailSize);
  LevelList->setToolTip(
      "Levels, the last at the top: choose one to edit it; drop pictures here to add them");
  connect(LevelList, &QListWidget::currentRowChanged, this, [this](int row) { LevelClicked(row); });

  LevelControls = {add, insert, help, remove, up, down};
  LevelControls << navigation << GridTB;

  auto *ok = Make<QPushButton>(this, "Button14", "Ok", {458, 244, 80, 23});
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  auto *cancel = Make<QPushButton>(this, "Button15", "Cancel", {544, 244, 80, 23});
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}
