#include "builder/OutlineControls.h"

#include "builder/BuilderModel.h"
#include "builder/BuilderQuestions.h"
#include "builder/ColourSwatch.h"
#include "builder/PlacedControl.h"
#include "builder/SkinControls.h"

#include <QCheckBox>
#include <QGroupBox>

TOutlineControls::TOutlineControls(QGroupBox *group, TBuilderModel &model, TGameData &game,
                                   TBuilderQuestions &questions)
    : Model(model), Game(game), Questions(questions) {
  const std::array<const char *, 3> swatchNames{"playfieldColourSwatch", "scorefieldColourSwatch",
                                                "nextfieldColourSwatch"};
  const std::array<const char *, 3> drawNames{"drawPlayfieldCheck", "drawScorefieldCheck",
                                              "drawNextfieldCheck"};
  const std::array<const char *, 3> drawCaptions{
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Playfield Box"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Scorefield Box"),
      QT_TRANSLATE_NOOP("TQuarryboxBuilderForm", "Draw Nextfield Box")};
  for (size_t i = 0; i < 3; ++i) {
    const int y = SkinRowTop(int(i));
    Swatches[i] = new TColourSwatch(group);
    Swatches[i]->setObjectName(swatchNames[i]);
    Swatches[i]->setGeometry(212, y + 2, 17, 17);
    Swatches[i]->OnMouseDown = [this, i] { ChooseColour(int(i)); };
    DrawBoxes[i] =
        PlacedControl<QCheckBox>(group, drawNames[i], tr(drawCaptions[i]), {236, y + 2, 156, 17});
    QObject::connect(DrawBoxes[i], &QCheckBox::clicked, DrawBoxes[i], [this] { DrawClicked(); });
  }
}

void TOutlineControls::Refresh() {
  for (size_t i = 0; i < 3; ++i) {
    Swatches[i]->SetColour(Model.Box(int(i)).Colour);
    DrawBoxes[i]->setChecked(Model.Box(int(i)).Draw);
  }
}

void TOutlineControls::ChooseColour(int box) {
  const std::optional<quint32> colour = Questions.AskColour(Model.Box(box).Colour);
  if (!colour)
    return;
  Model.Box(box).Colour = *colour;
  Swatches[size_t(box)]->SetColour(*colour);
  Model.ApplyBoxes(Game);
  OnRedraw();
}

void TOutlineControls::DrawClicked() {
  for (size_t i = 0; i < 3; ++i)
    Model.Box(int(i)).Draw = DrawBoxes[i]->isChecked();
  Model.ApplyBoxes(Game);
  OnRedraw();
}
