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

} // namespace

void TQuarryboxBuilderForm::BuildControls() {
  auto *skins = Make<QGroupBox>(this, "GroupBox2", tr("Skins"), {6, 4, 400, 96});
  const std::array<const char *, 3> skinButtons{"Button1", "Button2", "Button3"};
  //: Buttons choosing the pictures of the title screen, of the levels' background and of the
  //: game-over screen
  const std::array<const char *, 3> skinCaptions{QT_TR_NOOP("Start"), QT_TR_NOOP("Levels"),
                                                 QT_TR_NOOP("End")};
  const std::array<const char *, 3> skinHints{QT_TR_NOOP("Starting Skin  Image"),
                                              QT_TR_NOOP("Playing Skin  Image"),
                                              QT_TR_NOOP("Game Over Skin  Image")};
  const std::array<const char *, 3> stretchNames{"StartStretchCB", "PlayStretchCB", "EndStretchCB"};
  const std::array<const char *, 3> showNames{"ShowStartRB", "ShowPlayRB", "ShowEndRB"};
  const std::array<const char *, 3> swatchNames{"PlaySH", "ScoreSH", "NextSH"};
  const std::array<const char *, 3> drawNames{"DrawPlayCB", "DrawScoreCB", "DrawNextCB"};
  const std::array<const char *, 3> drawCaptions{QT_TR_NOOP("Draw Playfield Box"),
                                                 QT_TR_NOOP("Draw Scorefield Box"),
                                                 QT_TR_NOOP("Draw Nextfield Box")};
  for (int i = 0; i < 3; ++i) {
    const int y = 16 + 25 * i;
    const auto kind = TSkinKind(i);
    auto *button = Make<QPushButton>(skins, skinButtons[size_t(i)], tr(skinCaptions[size_t(i)]),
                                     {8, y, 60, 21}, tr(skinHints[size_t(i)]));
    connect(button, &QPushButton::clicked, this, [this, kind] { ChooseSkin(kind); });
    //: Stretch the skin's picture to the window
    StretchBoxes[size_t(i)] =
        Make<QCheckBox>(skins, stretchNames[size_t(i)], tr("Stretch"), {76, y + 2, 64, 17});
    connect(StretchBoxes[size_t(i)], &QCheckBox::clicked, this, [this, kind](bool ticked) {
      Builder.SetStretch(kind, ticked);
      Redraw();
    });
    //: Show this skin in the main window while building
    ShowButtons[size_t(i)] =
        Make<QRadioButton>(skins, showNames[size_t(i)], tr("Show"), {144, y + 2, 56, 17});
    connect(ShowButtons[size_t(i)], &QRadioButton::clicked, this, [this, kind] { ShowSkin(kind); });
    Swatches[size_t(i)] = new TColourSwatch(skins);
    Swatches[size_t(i)]->setObjectName(swatchNames[size_t(i)]);
    Swatches[size_t(i)]->setGeometry(212, y + 2, 17, 17);
    Swatches[size_t(i)]->OnMouseDown = [this, i] { ChooseColour(i); };
    DrawBoxes[size_t(i)] = Make<QCheckBox>(skins, drawNames[size_t(i)], tr(drawCaptions[size_t(i)]),
                                           {236, y + 2, 156, 17});
    connect(DrawBoxes[size_t(i)], &QCheckBox::clicked, this, [this] { DrawBoxClicked(); });
  }

  auto *levels = Make<QGroupBox>(this, "GroupBox3", tr("Levels"), {6, 104, 400, 132});
  auto *add = Make<QPushButton>(levels, "Button9", tr("Add Level(s)"), {8, 16, 92, 21},
                                tr("Add New Level"));
  connect(add, &QPushButton::clicked, this, [this] { TakeLevels(false); });
  auto *insert = Make<QPushButton>(levels, "Button4", tr("Insert Level(s)"), {8, 42, 92, 21},
                                   tr("Insert Level"));
  connect(insert, &QPushButton::clicked, this, [this] { TakeLevels(true); });
  auto *remove = Make<QPushButton>(levels, "Button8", tr("Delete Level"), {8, 68, 92, 21},
                                   tr("Delete Current Level"));
  connect(remove, &QPushButton::clicked, this, [this] { DeleteLevel(); });
  auto *help =
      Make<QPushButton>(levels, "Button5", tr("Help File"), {8, 94, 92, 21}, tr("Help File"));
  connect(help, &QPushButton::clicked, this,
          [this] { Questions.OpenHelp("file://" + ProgramFolder + "Help/builder.html"); });

  Make<QLabel>(levels, "Label1", tr("Rearrange Levels:"), {110, 18, 100, 17});
  //: Moves the current level one place later in the game
  auto *down = Make<QPushButton>(levels, "Button17", tr("Down"), {214, 16, 50, 21},
                                 tr("Move current level down one place"));
  connect(down, &QPushButton::clicked, this,
          [this] { WithLevels([this] { return Builder.Levels().MoveCurrentDown(); }); });
  //: Moves the current level one place earlier in the game
  auto *up = Make<QPushButton>(levels, "Button16", tr("Up"), {268, 16, 50, 21},
                               tr("Move current level up one place"));
  connect(up, &QPushButton::clicked, this,
          [this] { WithLevels([this] { return Builder.Levels().MoveCurrentUp(); }); });

  Make<QLabel>(levels, "Label2", tr("Navigate:"), {110, 44, 100, 17});
  const std::array<const char *, 4> navNames{"Button10", "Button11", "Button12", "Button13"};
  const std::array<const char *, 4> navCaptions{"<<", "<", ">", ">>"};
  const std::array<const char *, 4> navHints{QT_TR_NOOP("First Level"),
                                             QT_TR_NOOP("Previous Level"), QT_TR_NOOP("Next Level"),
                                             QT_TR_NOOP("Last Level")};
  const std::array<bool (TBuilderLevels::*)(), 4> navSteps{
      &TBuilderLevels::SelectFirst, &TBuilderLevels::SelectPrevious, &TBuilderLevels::SelectNext,
      &TBuilderLevels::SelectLast};
  QList<QWidget *> navigation;
  for (size_t i = 0; i < 4; ++i) {
    auto *nav = Make<QPushButton>(levels, navNames[i], navCaptions[i],
                                  {214 + 34 * int(i), 42, 30, 21}, tr(navHints[i]));
    const auto step = navSteps[i];
    connect(nav, &QPushButton::clicked, this,
            [this, step] { WithLevels([this, step] { return (Builder.Levels().*step)(); }); });
    navigation << nav;
  }

  Make<QLabel>(levels, "Label8", tr("Current Level  ("), {110, 70, 80, 17});
  showLL = Make<QLabel>(levels, "showLL", QString(), {190, 70, 60, 17});
  showLL->setCursor(Qt::PointingHandCursor);
  connect(showLL, &QLabel::linkActivated, this, [this] { ToggleLevelPicture(); });
  Label9 = Make<QLabel>(levels, "Label9", ") :", {252, 70, 16, 17});
  CurrentLavelL = Make<QLabel>(levels, "CurrentLavelL", tr("none"), {270, 70, 60, 17});
  Make<QLabel>(levels, "Label10", tr("Total Number of Levels:"), {110, 88, 124, 17});
  LevelNumL = Make<QLabel>(levels, "LevelNumL", "0", {236, 88, 60, 17});

  Make<QLabel>(levels, "Label11", tr("Grid:"), {110, 108, 28, 17});
  Make<QLabel>(levels, "Label12", tr("<-- small"), {140, 108, 50, 17});
  GridTB = new QSlider(Qt::Horizontal, levels);
  GridTB->setObjectName("GridTB");
  GridTB->setGeometry(190, 106, 120, 20);
  GridTB->setRange(TBuilderModel::MinGridSize, TBuilderModel::MaxGridSize);
  GridTB->setSingleStep(1);
  GridTB->setToolTip(tr("Choose Grid"));
  connect(GridTB, &QSlider::valueChanged, this, [this](int value) { GridChanged(value); });
  Make<QLabel>(levels, "Label13", tr("large ->"), {312, 108, 44, 17});
  GridSizeL = Make<QLabel>(this, "GridSizeL", QString(), {12, 246, 440, 17});

  // Every level at a glance, the last at the top as Up and Down move them; choosing one selects
  // it as the arrows do.
  LevelList = new QListWidget(this);
  LevelList->setObjectName("LevelList");
  LevelList->setGeometry(412, 10, 214, 226);
  LevelList->setIconSize(ThumbnailSize);
  LevelList->setToolTip(
      tr("Levels, the last at the top: choose one to edit it; drop pictures here to add them"));
  connect(LevelList, &QListWidget::currentRowChanged, this, [this](int row) { LevelClicked(row); });

  LevelControls = {add, insert, help, remove, up, down};
  LevelControls << navigation << GridTB;

  auto *ok = Make<QPushButton>(this, "Button14", tr("Ok"), {458, 244, 80, 23});
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  auto *cancel = Make<QPushButton>(this, "Button15", tr("Cancel"), {544, 244, 80, 23});
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

// The rows, left to right, whose texts may need more room in a translation.
void TQuarryboxBuilderForm::FitTexts() {
  const std::initializer_list<std::initializer_list<const char *>> rows = {
      {"Button1", "StartStretchCB", "ShowStartRB", "PlaySH", "DrawPlayCB"},
      {"Button2", "PlayStretchCB", "ShowPlayRB", "ScoreSH", "DrawScoreCB"},
      {"Button3", "EndStretchCB", "ShowEndRB", "NextSH", "DrawNextCB"},
      {"Label1", "Button17", "Button16"},
      {"Label2", "Button10", "Button11", "Button12", "Button13"},
      {"Label8", "showLL", "Label9", "CurrentLavelL"},
      {"Label10", "LevelNumL"},
      {"Label11", "Label12", "GridTB", "Label13"}};
  for (const auto &names : rows) {
    QList<QWidget *> row;
    for (const char *name : names)
      row << findChild<QWidget *>(name);
    FitRow(row);
  }
}
