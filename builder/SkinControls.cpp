#include "builder/SkinControls.h"

#include "builder/BuilderModel.h"
#include "builder/PictureIntake.h"
#include "builder/PlacedControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TSkinControls::TSkinControls(QGroupBox *group, TBuilderModel &model, TPictureIntake &intake)
    : Model(model), Intake(intake) {
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
  for (size_t i = 0; i < 3; ++i) {
    const auto kind = TSkinKind(i);
    const int y = SkinRowTop(int(i));
    auto *choose = PlacedControl<QPushButton>(group, chooseNames[i], tr(skinCaptions[i]),
                                              {8, y, 60, 21}, tr(skinHints[i]));
    QObject::connect(choose, &QPushButton::clicked, choose, [this, kind] { Choose(kind); });
    //: Stretch the skin's picture to the window
    StretchBoxes[i] =
        PlacedControl<QCheckBox>(group, stretchNames[i], tr("Stretch"), {76, y + 2, 64, 17});
    QObject::connect(StretchBoxes[i], &QCheckBox::clicked, StretchBoxes[i],
                     [this, kind](bool ticked) {
                       Model.SetStretch(kind, ticked);
                       OnRedraw();
                     });
    //: Show this skin in the main window while building
    ShowButtons[i] =
        PlacedControl<QRadioButton>(group, showNames[i], tr("Show"), {144, y + 2, 56, 17});
    QObject::connect(ShowButtons[i], &QRadioButton::clicked, ShowButtons[i], [this, kind] {
      Model.SetShownSkin(kind);
      OnChange();
    });
  }
}

void TSkinControls::RefreshShown() { ShowButtons[size_t(Model.ShownSkin())]->setChecked(true); }

void TSkinControls::RefreshStretch() {
  for (size_t i = 0; i < 3; ++i)
    StretchBoxes[i]->setChecked(Model.Skin(TSkinKind(i)).Stretch);
}

void TSkinControls::Choose(TSkinKind kind) {
  const QString file = Intake.AskOne();
  if (file.isEmpty()) {
    OnChange();
    return;
  }
  Intake.Take({file}, [this, kind](const QStringList &taken) {
    if (!taken.isEmpty()) {
      Model.SetSkin(kind, taken.first());
      Model.SetShownSkin(kind);
    }
    OnChange();
  });
}
