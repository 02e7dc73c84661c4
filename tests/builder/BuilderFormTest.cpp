#include "builder/BuilderForm.h"
#include "builder/BuilderQuestions.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>

namespace {

class FakeHost : public TDialogHost {
public:
  bool Suspended = false;
  void SetSuspended(bool suspended) override { Suspended = suspended; }
  void PlaySound(const QString &) override {}
};

// Answers in place of the author and records what was asked.
class FakeQuestions : public TBuilderQuestions {
public:
  std::deque<QStringList> Pictures; // next answers to either file question
  std::optional<quint32> ColourAnswer;
  bool ConfirmAnswer = true;
  QStringList Asked; // "picture:<folder>", "pictures:<folder>", "colour", ...
  QStringList Messages;
  QStringList Reports; // "caption|text"
  QStringList HelpPages;
  bool VisibleWhileAsked = true; // whether the builder was on screen during the last question
  QWidget *Builder = nullptr;

  QString AskPicture(const QString &folder) override {
    Asked << "picture:" + folder;
    Seen();
    return Next().value(0);
  }
  QStringList AskPictures(const QString &folder) override {
    Asked << "pictures:" + folder;
    Seen();
    return Next();
  }
  std::optional<quint32> AskColour(quint32) override {
    Asked << "colour";
    Seen();
    return ColourAnswer;
  }
  void ShowMessage(const QString &text) override { Messages << text; }
  bool Confirm(const QString &caption, const QString &text) override {
    Asked << "confirm:" + caption + ":" + text;
    return ConfirmAnswer;
  }
  void ShowReport(const QString &caption, const QString &text) override {
    Reports << caption + '|' + text;
  }
  void OpenHelp(const QString &address) override { HelpPages << address; }

private:
  void Seen() {
    if (Builder)
      VisibleWhileAsked = Builder->isVisible();
  }
  QStringList Next() {
    if (Pictures.empty())
      return {};
    QStringList answer = Pictures.front();
    Pictures.pop_front();
    return answer;
  }
};

const QRgb Green = qRgb(0, 200, 0);

class BuilderFormTest : public ::testing::Test {
protected:
  BuilderFormTest()
      : Settings(Dir.filePath("settings.ini")),
        Form(Host, Game, Settings, Questions, Picture, "/prog/", Dir.filePath("added")) {
    Form.OnPreviewChanged = [this] { ++PreviewChanges; };
    Questions.Builder = &Form;
  }

  template <class T> T *Get(const char *name) {
    T *w = Form.findChild<T *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Click(const char *name) { Get<QAbstractButton>(name)->click(); }
  QString Text(const char *name) { return Get<QLabel>(name)->text(); }

  QString Bmp(const QString &name, QSize size = {40, 40}, QRgb colour = Green) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = Dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  // Three skins and the given levels through the buttons, as the author would.
  void ChooseSkinsAndAdd(const QStringList &levels) {
    Questions.Pictures = {{Bmp("s.bmp")}, {Bmp("p.bmp")}, {Bmp("e.bmp")}, levels};
    Click("chooseStartSkinButton");
    Click("chooseGameOverSkinButton");
    Click("choosePlayingSkinButton");
    Click("addLevelsButton");
  }

  QTemporaryDir Dir;
  FakeHost Host;
  TGameData Game;
  TSettingsStore Settings;
  FakeQuestions Questions;
  QImage Picture{600, 400, QImage::Format_RGB32};
  TQuarryboxBuilderForm Form;
  int PreviewChanges = 0;
};

} // namespace

TEST_F(BuilderFormTest, ControlsCarryTheirCaptionsAndHints) {
  EXPECT_EQ(Form.windowTitle(), "Quarrybox Builder");
  EXPECT_EQ(Form.size(), QSize(632, 271));
  const std::vector<std::tuple<const char *, const char *, const char *>> buttons{
      {"chooseStartSkinButton", "Start", "Starting Skin  Image"},
      {"choosePlayingSkinButton", "Levels", "Playing Skin  Image"},
      {"chooseGameOverSkinButton", "End", "Game Over Skin  Image"},
      {"addLevelsButton", "Add Level(s)", "Add New Level"},
      {"insertLevelsButton", "Insert Level(s)", "Insert Level"},
      {"deleteLevelButton", "Delete Level", "Delete Current Level"},
      {"helpButton", "Help File", "Help File"},
      {"moveDownButton", "Down", "Move current level down one place"},
      {"moveUpButton", "Up", "Move current level up one place"},
      {"firstLevelButton", "<<", "First Level"},
      {"previousLevelButton", "<", "Previous Level"},
      {"nextLevelButton", ">", "Next Level"},
      {"lastLevelButton", ">>", "Last Level"},
      {"okButton", "Ok", ""},
      {"cancelButton", "Cancel", ""}};
  for (const auto &[name, caption, hint] : buttons) {
    auto *button = Get<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), caption) << name;
    EXPECT_EQ(button->toolTip(), hint) << name;
  }
  EXPECT_EQ(Get<QCheckBox>("drawScorefieldCheck")->text(), "Draw Scorefield Box");
  EXPECT_EQ(Get<QCheckBox>("stretchGameOverCheck")->text(), "Stretch");
  EXPECT_EQ(Get<QRadioButton>("showPlayingRadio")->text(), "Show");
  EXPECT_EQ(Get<QSlider>("gridSlider")->minimum(), 16);
  EXPECT_EQ(Get<QSlider>("gridSlider")->maximum(), 70);
  EXPECT_EQ(Get<QSlider>("gridSlider")->toolTip(), "Choose Grid");
  EXPECT_NE(Get<QFrame>("nextfieldColourSwatch"), nullptr);
}

TEST_F(BuilderFormTest, ShowingTakesTheLayoutFromTheGameAndSuspendsIt) {
  Game.PlayBox = {true, 0x0000FF};
  Game.ScoreBox = {false, 0x00FF00};
  Game.GameOverSkin.Stretch = false;
  Form.show();
  EXPECT_TRUE(Host.Suspended);
  EXPECT_TRUE(Get<QCheckBox>("drawPlayfieldCheck")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("drawScorefieldCheck")->isChecked());
  EXPECT_TRUE(Get<QCheckBox>("stretchStartCheck")->isChecked());
  EXPECT_FALSE(Get<QCheckBox>("stretchGameOverCheck")->isChecked());
  EXPECT_TRUE(Get<QRadioButton>("showStartRadio")->isChecked());
  EXPECT_FALSE(Get<QPushButton>("addLevelsButton")->isEnabled());
  EXPECT_GT(PreviewChanges, 0);
  Click("cancelButton");
  EXPECT_EQ(Form.result(), QDialog::Rejected);
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(BuilderFormTest, SkinButtonsStoreTheSkinSelectItAndRememberTheFolder) {
  Form.show();
  const QString playing = Bmp("play.bmp", {10, 10}, Green);
  Questions.Pictures = {{playing}};
  Click("choosePlayingSkinButton");
  EXPECT_EQ(Questions.Asked, QStringList{"picture:/prog/Games"});
  EXPECT_EQ(Form.Model().Skin(SkinPlaying).Path, playing);
  EXPECT_EQ(Form.Model().Skin(SkinPlaying).Type, PictureBmp);
  EXPECT_TRUE(Get<QRadioButton>("showPlayingRadio")->isChecked());
  EXPECT_TRUE(Get<QPushButton>("addLevelsButton")->isEnabled());
  EXPECT_EQ(Settings.ReadSetting("QBXBuilderOpenPath"), QDir(Dir.path()).absolutePath() + "/");
  EXPECT_EQ(Picture.pixel(0, 0), Green); // stretched over the window picture
  EXPECT_TRUE(Host.Suspended);

  // A photo: more colours than an 8-bit BMP holds.
  QImage webp(60, 40, QImage::Format_RGB32);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      webp.setPixel(x, y, qRgb(x * 4, y * 6, 255 - x * 2));
  ASSERT_TRUE(webp.save(Dir.filePath("end.webp"), "WEBP"));
  Questions.Pictures = {{Dir.filePath("end.webp")}};
  Click("chooseGameOverSkinButton");
  EXPECT_EQ(Questions.Asked.last(), "picture:" + QDir(Dir.path()).absolutePath() + "/");
  // A WebP is converted as it is chosen: a photo into a JPEG.
  EXPECT_EQ(Form.Model().Skin(SkinGameOver).Type, PictureJpeg);
  EXPECT_EQ(Form.Model().Skin(SkinGameOver).Path, Dir.filePath("added/end.jpg"));
  EXPECT_TRUE(Get<QRadioButton>("showGameOverRadio")->isChecked());
  EXPECT_FALSE(Get<QPushButton>("addLevelsButton")->isEnabled());
  EXPECT_FALSE(Get<QSlider>("gridSlider")->isEnabled());
}

TEST_F(BuilderFormTest, CancelledSkinDialogChangesNothing) {
  Form.show();
  Click("chooseStartSkinButton");
  EXPECT_TRUE(Form.Model().Skin(SkinStart).Path.isEmpty());
  EXPECT_TRUE(Settings.ReadSetting("QBXBuilderOpenPath").isEmpty());
}

TEST_F(BuilderFormTest, AddingLevelsUpdatesLabelsGridAndPreview) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp", {205, 273}), Bmp("b.bmp", {205, 273}), "c.gif"});
  EXPECT_EQ(Form.Model().Levels().Count(), 2);
  ASSERT_EQ(Questions.Reports.size(), 1);
  EXPECT_TRUE(Questions.Reports[0].contains("c.gif: no such file"));
  EXPECT_EQ(Text("levelCountLabel"), "2");
  EXPECT_EQ(Text("currentLevelLabel"), "2");
  EXPECT_EQ(Get<QSlider>("gridSlider")->value(), 44);
  EXPECT_EQ(Text("gridSizeLabel"), "Grid 5 x 5, cells of 44 x 59 pixels");
  EXPECT_EQ(Picture.pixel(39, 53), qRgb(0, 255, 255)); // the level picture's frame
}

TEST_F(BuilderFormTest, GridBarSetsTheCurrentLevelsGridSize) {
  Form.show();
  auto *grid = Get<QSlider>("gridSlider");
  grid->setValue(30); // no level yet: back to 16
  EXPECT_EQ(grid->value(), 16);
  ChooseSkinsAndAdd({Bmp("a.bmp", {205, 273})});
  grid->setValue(70);
  EXPECT_EQ(Form.Model().Levels().CurrentGridSize(), 70);
  EXPECT_EQ(Text("gridSizeLabel"), "Grid 3 x 3, cells of 70 x 93 pixels");
}

TEST_F(BuilderFormTest, DeleteAsksFirstAndNeedsALevel) {
  Form.show();
  Questions.Pictures = {{Bmp("p.bmp")}};
  Click("choosePlayingSkinButton");
  Click("deleteLevelButton");
  EXPECT_EQ(Questions.Messages, QStringList{"No Levels Defined!"});

  Questions.Pictures = {{Bmp("a.bmp"), Bmp("b.bmp")}};
  Click("addLevelsButton");
  Questions.ConfirmAnswer = false;
  Click("deleteLevelButton");
  EXPECT_EQ(Questions.Asked.last(), "confirm:Confirm Delete:Really Delete Current Level?!");
  EXPECT_EQ(Form.Model().Levels().Count(), 2);

  Questions.ConfirmAnswer = true;
  Click("deleteLevelButton");
  EXPECT_EQ(Form.Model().Levels().Count(), 1);
  EXPECT_EQ(Text("currentLevelLabel"), "1");
  Click("deleteLevelButton");
  EXPECT_EQ(Text("currentLevelLabel"), "none");
  EXPECT_EQ(Text("levelCountLabel"), "0");
  EXPECT_EQ(Get<QSlider>("gridSlider")->value(), 16);
}

TEST_F(BuilderFormTest, NavigationAndMovingDriveTheSelection) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp"), Bmp("b.bmp"), Bmp("c.bmp")});
  Click("firstLevelButton");
  EXPECT_EQ(Text("currentLevelLabel"), "1");
  Click("previousLevelButton"); // already first
  EXPECT_EQ(Text("currentLevelLabel"), "1");
  Click("moveUpButton"); // up: swaps with level 2
  EXPECT_EQ(Text("currentLevelLabel"), "2");
  EXPECT_TRUE(Form.Model().Levels().All()[1].Path.endsWith("a.bmp"));
  Click("lastLevelButton");
  EXPECT_EQ(Text("currentLevelLabel"), "3");
  Click("moveDownButton"); // down: swaps with level 2
  EXPECT_TRUE(Form.Model().Levels().All()[1].Path.endsWith("c.bmp"));
  EXPECT_TRUE(Questions.Messages.isEmpty());
}

TEST_F(BuilderFormTest, LevelToggleHidesThePictureAndTheGridBar) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp", {205, 273})});
  auto *toggle = Get<QLabel>("levelPictureToggle");
  auto *number = Get<QLabel>("currentLevelLabel");
  const QPoint before = number->pos();
  ASSERT_TRUE(toggle->text().contains("now visible"));
  emit toggle->linkActivated("#");
  EXPECT_TRUE(toggle->text().contains("now hidden"));
  EXPECT_EQ(toggle->toolTip(), "Show current level image in development mode");
  EXPECT_EQ(number->pos(), before + QPoint(2, 0));
  EXPECT_FALSE(Get<QSlider>("gridSlider")->isEnabled());
  EXPECT_EQ(Text("gridSizeLabel"), "");
  EXPECT_EQ(Picture.pixel(39, 53), Green); // only the skin where the frame was
  emit toggle->linkActivated("#");
  EXPECT_TRUE(toggle->text().contains("now visible"));
  EXPECT_EQ(number->pos(), before);
  EXPECT_EQ(Text("gridSizeLabel"), "Grid 5 x 5, cells of 44 x 59 pixels");
}

TEST_F(BuilderFormTest, DrawBoxesAndColoursReachTheGameAtOnceAndSurviveCancel) {
  Game.ScoreBox = {false, 0x000000};
  Form.show();
  Click("drawScorefieldCheck");
  EXPECT_TRUE(Game.ScoreBox.Draw);
  Questions.ColourAnswer = 0x0000FF;
  auto *swatch = Get<QWidget>("scorefieldColourSwatch");
  QTest::mouseClick(swatch, Qt::LeftButton);
  EXPECT_EQ(Questions.Asked.last(), "colour");
  EXPECT_EQ(Game.ScoreBox.Colour, 0x0000FFu);
  Get<QRadioButton>("showPlayingRadio")->click();
  EXPECT_EQ(Picture.pixel(530, 132), qRgb(255, 0, 0));

  Questions.ColourAnswer.reset(); // a cancelled colour dialog keeps the colour
  QTest::mouseClick(swatch, Qt::LeftButton);
  EXPECT_EQ(Game.ScoreBox.Colour, 0x0000FFu);
  Click("cancelButton");
  EXPECT_EQ(Form.result(), QDialog::Rejected);
  EXPECT_EQ(Game.ScoreBox, (TBox{true, 0x0000FF}));
}

TEST_F(BuilderFormTest, OkShowsTheFirstProblemAndStaysOpen) {
  Form.show();
  Click("okButton");
  EXPECT_EQ(Questions.Messages, QStringList{"No defined Start Image Found!"});
  EXPECT_TRUE(Form.isVisible());
  Questions.Pictures = {{Bmp("s.bmp")}, {Bmp("p.bmp")}, {Bmp("e.bmp")}};
  Click("chooseStartSkinButton");
  Click("choosePlayingSkinButton");
  Click("chooseGameOverSkinButton");
  Click("okButton");
  EXPECT_EQ(Questions.Messages.last(), "No defined Level Found!");
  EXPECT_TRUE(Form.isVisible());
}

TEST_F(BuilderFormTest, OkWithACompleteGameAcceptsAndTheGameCanTakeIt) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp")});
  Get<QCheckBox>("stretchPlayingCheck")->click(); // untick
  Click("okButton");
  EXPECT_EQ(Form.result(), QDialog::Accepted);
  EXPECT_FALSE(Host.Suspended);
  Form.Model().ApplyTo(Game);
  EXPECT_EQ(Game.LevelCount(), 1);
  EXPECT_FALSE(Game.PlayingSkin.Stretch);
  EXPECT_TRUE(Game.StartSkin.Stretch);
  EXPECT_TRUE(Game.Unsaved);
}

TEST_F(BuilderFormTest, EditLoadsTheGameAndShowsItsFirstLevel) {
  Game.Levels = {{Bmp("a.bmp"), PictureBmp, 20}, {Bmp("b.bmp"), PictureBmp, 60}};
  Form.LoadGame();
  Form.show();
  EXPECT_EQ(Text("levelCountLabel"), "2");
  EXPECT_EQ(Text("currentLevelLabel"), "1");
  EXPECT_EQ(Get<QSlider>("gridSlider")->value(), 20);
  Form.ResetGame();
  EXPECT_EQ(Text("levelCountLabel"), "0");
  EXPECT_EQ(Text("currentLevelLabel"), "none");
  EXPECT_EQ(Get<QSlider>("gridSlider")->value(), 16);
}

TEST_F(BuilderFormTest, UnreadablePictureIsReported) {
  Form.show();
  QFile broken(Dir.filePath("broken.bmp"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("garbage");
  broken.close();
  Questions.Pictures = {{broken.fileName()}};
  Click("chooseStartSkinButton");
  ASSERT_EQ(Questions.Reports.size(), 1);
  EXPECT_TRUE(Questions.Reports[0].contains("broken.bmp: not a picture"));
  EXPECT_TRUE(Form.Model().Skin(SkinStart).Path.isEmpty());
  EXPECT_TRUE(Form.isVisible());
}

TEST_F(BuilderFormTest, PreviewIsDrawnOnlyWhileTheBuilderIsOpen) {
  Picture.fill(Green);
  Form.ResetGame();
  Game.Levels = {{Bmp("a.bmp"), PictureBmp, 20}};
  Form.LoadGame();
  EXPECT_EQ(PreviewChanges, 0);
  EXPECT_EQ(Picture.pixel(0, 0), Green);
  Form.show();
  EXPECT_EQ(PreviewChanges, 1);
  EXPECT_EQ(Picture.pixel(0, 0), qRgb(0, 0, 0)); // no start skin yet: black
}

TEST_F(BuilderFormTest, ModalBuilderStaysOpenThroughItsOwnDialogs) {
  Questions.Pictures = {{Bmp("s.bmp")}};
  bool cancelledFromInside = false;
  QTimer::singleShot(0, &Form, [&] {
    Click("chooseStartSkinButton");
    // The modal loop must still be running to get this far.
    QTimer::singleShot(0, &Form, [&] {
      cancelledFromInside = Form.isVisible();
      Click("cancelButton");
    });
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, &Form, [&] { Form.done(99); });
  watchdog.start(3000);
  EXPECT_EQ(Form.ShowModal(), QDialog::Rejected);
  EXPECT_TRUE(cancelledFromInside);
  EXPECT_FALSE(Form.Model().Skin(SkinStart).Path.isEmpty());
}

TEST_F(BuilderFormTest, TheBuilderIsReallyHiddenWhileItAsksAndComesBackAsItWas) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp")});
  EXPECT_FALSE(Questions.VisibleWhileAsked);
  const QPoint where(123, 45);
  Form.move(where);
  Questions.VisibleWhileAsked = true;
  Questions.ColourAnswer = 0x00FF00;
  QTest::mouseClick(Get<QWidget>("nextfieldColourSwatch"), Qt::LeftButton);
  EXPECT_FALSE(Questions.VisibleWhileAsked);
  EXPECT_TRUE(Form.isVisible());
  EXPECT_EQ(Form.pos(), where);
  EXPECT_TRUE(Get<QRadioButton>("showPlayingRadio")->isChecked()); // not back to the start skin
  EXPECT_TRUE(Host.Suspended);
}

// The last level at the top, so that Up, which gives the level the next number, moves it up
// the list.
TEST_F(BuilderFormTest, TheLevelListShowsEveryLevelLastFirstAndFollowsTheSelection) {
  Form.show();
  ChooseSkinsAndAdd({Bmp("a.bmp"), Bmp("b.bmp"), Bmp("c.bmp")});
  auto *list = Get<QListWidget>("levelList");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "3. c.bmp");
  EXPECT_EQ(list->item(2)->text(), "1. a.bmp");
  EXPECT_FALSE(list->item(0)->icon().isNull());
  EXPECT_EQ(list->currentRow(), 0); // the last one added
  Click("firstLevelButton");        // <<
  EXPECT_EQ(list->currentRow(), 2);
  Click("moveUpButton"); // Up: a becomes level 2, one row higher
  EXPECT_EQ(Form.Model().Levels().All()[1].Path, Dir.filePath("a.bmp"));
  EXPECT_EQ(list->item(1)->text(), "2. a.bmp");
  EXPECT_EQ(list->currentRow(), 1);
  Click("moveDownButton"); // Down: back to level 1, the bottom row
  EXPECT_EQ(list->item(2)->text(), "1. a.bmp");
  EXPECT_EQ(list->currentRow(), 2);
  list->setCurrentRow(0); // chosen in the list
  EXPECT_EQ(Text("currentLevelLabel"), "3");
  EXPECT_EQ(Form.Model().Levels().Current(), 3);
}

// Pictures of a game file come as working copies "tpl0.jpg", ...: their names mean nothing to
// the author, so the list says which level and how big its picture is (upright) instead.
TEST_F(BuilderFormTest, LevelsOfAGameFileAreListedByNumberAndSize) {
  Game.Levels = {{Bmp("tpl0.bmp", {80, 60}), PictureBmp, 20},
                 {Bmp("tpl1.bmp", {30, 50}), PictureBmp, 20},
                 {Dir.filePath("tpl2.jpg"), PictureJpeg, 20}}; // missing: no size to tell
  Form.LoadGame();
  Questions.Pictures = {{Bmp("beach.bmp")}};
  Form.show();
  Click("showPlayingRadio");
  Click("addLevelsButton");
  auto *list = Get<QListWidget>("levelList");
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(0)->text(), "4. beach.bmp");
  EXPECT_EQ(list->item(1)->text(), "Level 3");
  EXPECT_EQ(list->item(2)->text(), "Level 2 (30 x 50)");
  EXPECT_EQ(list->item(3)->text(), "Level 1 (80 x 60)");
}

TEST_F(BuilderFormTest, DroppedPicturesBecomeLevelsAndOneReportNamesTheRest) {
  Form.show();
  QImage png(60, 40, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(Dir.filePath("red.png"), "PNG"));
  QFile text(Dir.filePath("readme.txt"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("text");
  text.close();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(Bmp("a.bmp")), QUrl::fromLocalFile(Dir.filePath("red.png")),
                QUrl::fromLocalFile(text.fileName()),
                QUrl::fromLocalFile(Dir.filePath("missing.jpg"))});
  QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Form, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Form, &drop);
  ASSERT_EQ(Form.Model().Levels().Count(), 2);
  EXPECT_EQ(Form.Model().Levels().All()[1].Path, Dir.filePath("added/red.jpg"));
  ASSERT_EQ(Questions.Reports.size(), 1);
  EXPECT_TRUE(Questions.Reports[0].contains("readme.txt"));
  EXPECT_TRUE(Questions.Reports[0].contains("missing.jpg"));
  EXPECT_TRUE(Get<QRadioButton>("showPlayingRadio")->isChecked());
}

TEST_F(BuilderFormTest, HelpFileOpensTheBuildersHelpPage) {
  Form.show();
  Questions.Pictures = {{Bmp("p.bmp")}};
  Click("choosePlayingSkinButton"); // the help button acts with the level controls
  Click("helpButton");
  EXPECT_EQ(Questions.HelpPages, QStringList{"file:///prog/Help/builder.html"});
}

TEST_F(BuilderFormTest, OpensBesideTheMainWindowAndThenWhereItLastWas) {
  QWidget main; // on the offscreen screen of 800 x 600, with room on its right
  main.setGeometry(0, 0, 100, 100);
  main.show();
  TQuarryboxBuilderForm builder(Host, Game, Settings, Questions, Picture, "/prog/",
                                Dir.filePath("added"), &main);
  builder.show();
  EXPECT_FALSE(builder.frameGeometry().intersects(main.frameGeometry()));
  const QPoint moved = builder.pos() + QPoint(10, 100);
  builder.move(moved);
  builder.done(QDialog::Rejected);
  builder.show();
  EXPECT_EQ(builder.pos(), moved);
}
