// Tab walks the builder window as it reads: the Skins group row by row (a skin's button, Stretch,
// Show, then the Draw tick of the panel on the same row), the Levels group, the level list, and
// OK and Cancel last.
#include "builder/BuilderForm.h"
#include "builder/BuilderWidgetQuestions.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class QuietHost : public TDialogHost {
public:
  void SetSuspended(bool) override {}
  void PlaySound(const QString &) override {}
};

} // namespace

TEST(BuilderTabChainTest, TabGoesThroughTheControlsInReadingOrder) {
  QTemporaryDir dir;
  QuietHost host;
  TGameData game;
  TSettingsStore settings(dir.filePath("settings.ini"));
  TBuilderWidgetQuestions questions(host, nullptr);
  QImage picture(600, 400, QImage::Format_RGB32);
  TQuarryboxBuilderForm form(host, game, settings, questions, picture, dir.path() + '/',
                             dir.filePath("added"));
  QStringList chain;
  for (QWidget *w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
    if (form.isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
      chain << w->objectName();
  const QStringList expected{"chooseStartSkinButton",
                             "stretchStartCheck",
                             "showStartRadio",
                             "drawPlayfieldCheck",
                             "choosePlayingSkinButton",
                             "stretchPlayingCheck",
                             "showPlayingRadio",
                             "drawScorefieldCheck",
                             "chooseGameOverSkinButton",
                             "stretchGameOverCheck",
                             "showGameOverRadio",
                             "drawNextfieldCheck",
                             "addLevelsButton",
                             "insertLevelsButton",
                             "deleteLevelButton",
                             "helpButton",
                             "moveDownButton",
                             "moveUpButton",
                             "firstLevelButton",
                             "previousLevelButton",
                             "nextLevelButton",
                             "lastLevelButton",
                             "gridSlider",
                             "levelList",
                             "okButton",
                             "cancelButton"};
  EXPECT_EQ(chain.join(' ').toStdString(), expected.join(' ').toStdString());
}
