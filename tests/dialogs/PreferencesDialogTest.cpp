#include "DialogDriver.h"

#include "dialogs/KeysDialog.h"
#include "dialogs/PreferencesDialog.h"
#include "input/StoredKeyBindings.h"
#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList PreferenceNames{"DownArrow", "UpArrow", "Movement", "RotateSND"};

class PreferencesDialogTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  TSettingsStore Store{Dir.filePath("Quarrybox.conf")};
  TFakeDialogHost Host;
  // Every preference away from what Default sets, so that Default changes every control.
  TPlayPreferences Prefs{TDownKey::Rotate, true, false, false};
  TPreferencesDialog Form{Host, Prefs, Store};
  QList<int> Heard; // the volumes the dialog asked to hear

  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Store.WriteSetting("DownArrow", "Rotate");
    Store.WriteSetting("UpArrow", "CW");
    Store.WriteSetting("Movement", "Slide");
    Store.WriteSetting("RotateSND", "NO");
    Form.OnVolumeChanged = [this](int volume) { Heard << volume; };
  }

  template <class T> T *Find(const char *name) {
    T *child = Form.findChild<T *>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  bool Checked(const char *name) { return Find<QAbstractButton>(name)->isChecked(); }
  QStringList Stored() {
    QStringList values;
    for (const QString &name : PreferenceNames)
      values << Store.ReadSetting(name);
    return values;
  }
  void ExpectPreferences(bool drops, bool clockwise, bool singleStep, bool sound) {
    EXPECT_EQ(Prefs.DownKey == TDownKey::Drop, drops);
    EXPECT_EQ(Prefs.UpArrowClockwise, clockwise);
    EXPECT_EQ(Prefs.SingleStepMovement, singleStep);
    EXPECT_EQ(Prefs.MotionSound, sound);
  }
  void ExpectUnchanged() {
    ExpectPreferences(false, true, false, false);
    EXPECT_EQ(Stored(), QStringList({"Rotate", "CW", "Slide", "NO"}));
  }
};

TEST_F(PreferencesDialogTest, EveryControlIsReachedByTabInTheGroupsOrder) {
  EXPECT_EQ(Form.windowTitle(), "Preferences");
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowMaximizeButtonHint);
  Form.show();
  QStringList reached;
  for (int i = 0; i < 16; ++i) {
    reached << Form.focusWidget()->objectName();
    TypeKey(Form, Qt::Key_Tab);
  }
  // The slide's times are stops while Slide is chosen, as the preferences here have it.
  EXPECT_EQ(reached, QStringList({"okButton", "defaultButton", "dropWithDownRadio",
                                  "rotateWithDownRadio", "fallWithDownRadio", "turnClockwiseRadio",
                                  "turnAntiClockwiseRadio", "oneColumnRadio", "slideRadio",
                                  "slideDelaySpin", "slideRateSpin", "motionSoundCheck",
                                  "landingPlaceCheck", "volumeSlider", "keysButton", "okButton"}));
  Form.close();
}

TEST_F(PreferencesDialogTest, OpeningChimesSuspendsCentresAndFocusesOk) {
  TModalScript script(Form, [&] {
    ExpectOpenedSuspendedAndCentred(Form, Host);
    EXPECT_EQ(Form.focusWidget(), Find<QWidget>("okButton"));
    TypeKey(Form, Qt::Key_Tab);
    EXPECT_EQ(Form.focusWidget(), Find<QWidget>("defaultButton")) << "Default comes second";
    TypeKey(Form, Qt::Key_Escape);
  });
  Form.Open();
  EXPECT_FALSE(Host.Suspended);
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

struct LoadCase {
  TPlayPreferences Prefs;
  bool Drop, Rotate, Clockwise, AClockwise, Movement, Sound;
};
void PrintTo(const LoadCase &c, std::ostream *os) {
  *os << "drop " << c.Drop << " rotate " << c.Rotate << " clockwise " << c.Clockwise << " movement "
      << c.Movement << " sound " << c.Sound;
}

class PreferencesLoadTest : public PreferencesDialogTest,
                            public ::testing::WithParamInterface<LoadCase> {};

TEST_P(PreferencesLoadTest, ShowingSetsTheControlsFromThePreferences) {
  const LoadCase &c = GetParam();
  Prefs = c.Prefs;
  Form.show();
  EXPECT_EQ(Checked("dropWithDownRadio"), c.Drop);
  EXPECT_EQ(Checked("rotateWithDownRadio"), c.Rotate);
  EXPECT_EQ(Checked("turnClockwiseRadio"), c.Clockwise);
  EXPECT_EQ(Checked("turnAntiClockwiseRadio"), c.AClockwise);
  EXPECT_EQ(Checked("oneColumnRadio"), c.Movement);
  EXPECT_EQ(Checked("slideRadio"), !c.Movement);
  EXPECT_FALSE(Checked("fallWithDownRadio"));
  EXPECT_EQ(Checked("motionSoundCheck"), c.Sound);
  Form.close();
}

INSTANTIATE_TEST_SUITE_P(
    Preferences, PreferencesLoadTest,
    ::testing::Values(
        LoadCase{{TDownKey::Drop, false, true, true}, true, false, false, true, true, true},
        LoadCase{{TDownKey::Rotate, true, false, false}, false, true, true, false, false, false},
        LoadCase{{TDownKey::Drop, true, false, true}, true, false, true, false, false, true}));

TEST_F(PreferencesDialogTest, DefaultThenEscapeChangesNothing) {
  TModalScript script(Form, [&] {
    Find<QPushButton>("defaultButton")->click();
    EXPECT_TRUE(Checked("dropWithDownRadio"));
    EXPECT_TRUE(Checked("turnAntiClockwiseRadio"));
    EXPECT_TRUE(Checked("oneColumnRadio"));
    EXPECT_TRUE(Checked("motionSoundCheck"));
    ExpectUnchanged(); // Default alone stores nothing
    TypeKey(Form, Qt::Key_Escape);
  });
  Form.Open();
  EXPECT_FALSE(Form.isVisible());
  ExpectUnchanged();
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(PreferencesDialogTest, DefaultThenOkStoresDropAcwTetrisYes) {
  TModalScript script(Form, [&] {
    Find<QPushButton>("defaultButton")->click();
    QTest::mouseClick(Find<QPushButton>("okButton"), Qt::LeftButton);
  });
  Form.Open();
  EXPECT_FALSE(Form.isVisible());
  ExpectPreferences(true, false, true, true);
  EXPECT_EQ(Stored(), QStringList({"Drop", "ACW", "Tetris", "YES"}));
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(PreferencesDialogTest, OkStoresTheOtherTextsToo) {
  Prefs = {TDownKey::Drop, false, true, true};
  TModalScript script(Form, [&] {
    Find<QRadioButton>("rotateWithDownRadio")->setChecked(true);
    Find<QRadioButton>("turnClockwiseRadio")->setChecked(true);
    Find<QRadioButton>("slideRadio")->setChecked(true);
    Find<QCheckBox>("motionSoundCheck")->setChecked(false);
    TypeKey(Form, Qt::Key_Return); // Ok holds the focus
  });
  Form.Open();
  ExpectPreferences(false, true, false, false);
  EXPECT_EQ(Stored(), QStringList({"Rotate", "CW", "Slide", "NO"}));
}

class PreferencesEscapeTest : public PreferencesDialogTest,
                              public ::testing::WithParamInterface<const char *> {};

TEST_P(PreferencesEscapeTest, EscapeClosesWithoutStoringWhateverHasTheFocus) {
  TModalScript script(Form, [&] {
    Find<QCheckBox>("motionSoundCheck")->setChecked(true);
    Find<QWidget>(GetParam())->setFocus();
    ASSERT_EQ(Form.focusWidget(), Find<QWidget>(GetParam()));
    TypeKey(Form, Qt::Key_Escape);
  });
  Form.Open();
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Form.result(), QDialog::Rejected);
  ExpectUnchanged();
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

INSTANTIATE_TEST_SUITE_P(Preferences, PreferencesEscapeTest,
                         ::testing::Values("okButton", "defaultButton", "dropWithDownRadio",
                                           "rotateWithDownRadio", "turnClockwiseRadio",
                                           "fallWithDownRadio", "turnAntiClockwiseRadio",
                                           "oneColumnRadio", "slideDelaySpin", "motionSoundCheck",
                                           "landingPlaceCheck", "volumeSlider", "keysButton"));

TEST_F(PreferencesDialogTest, EscapeActsOnReleaseNotOnPress) {
  Form.show();
  QTest::keyPress(Form.focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(Form.isVisible());
  EXPECT_TRUE(Host.Suspended);
  QTest::keyRelease(Form.focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(Form.isVisible());
  EXPECT_FALSE(Host.Suspended);
  ExpectUnchanged();
}

TEST_F(PreferencesDialogTest, TitleBarCloseStoresNothingAndResumes) {
  Form.show();
  Find<QPushButton>("defaultButton")->click();
  Form.close();
  EXPECT_FALSE(Form.isVisible());
  ExpectUnchanged();
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

TEST_F(PreferencesDialogTest, ReopeningReloadsFromThePreferences) {
  Form.show();
  Find<QPushButton>("defaultButton")->click();
  Form.close();
  Form.show();
  EXPECT_TRUE(Checked("rotateWithDownRadio")) << "Default was not kept, so the dialog shows Rotate";
  EXPECT_FALSE(Checked("oneColumnRadio"));
  Form.close();
}

// The new choices in their stored forms, each row away from the defaults in another way.
struct StoreCase {
  const char *Down;        // the radio chosen
  bool Slide;              // Slide while held
  int Delay, Rate, Volume; // what is typed and slid
  bool Ghost;
  QStringList Stored; // DownArrow, Movement, SlideDelay, SlideRate, GhostPiece, SoundVolume
};

TEST_F(PreferencesDialogTest, OkStoresTheDownKeySlideLandingPlaceAndVolumeInTheirForms) {
  const StoreCase cases[] = {
      {"fallWithDownRadio", true, 200, 40, 50, true, {"Fall", "Slide", "200", "40", "YES", "50"}},
      {"dropWithDownRadio", false, 0, 1000, 0, false, {"Drop", "Tetris", "0", "1000", "NO", "0"}},
      // Beyond the offered range: the spin boxes keep the times within it.
      {"rotateWithDownRadio",
       true,
       5000,
       1,
       100,
       false,
       {"Rotate", "Slide", "1000", "16", "NO", "100"}}};
  for (const StoreCase &c : cases) {
    TModalScript script(Form, [&] {
      Find<QRadioButton>(c.Down)->setChecked(true);
      Find<QRadioButton>(c.Slide ? "slideRadio" : "oneColumnRadio")->setChecked(true);
      Find<QSpinBox>("slideDelaySpin")->setValue(c.Delay);
      Find<QSpinBox>("slideRateSpin")->setValue(c.Rate);
      Find<QCheckBox>("landingPlaceCheck")->setChecked(c.Ghost);
      Find<QSlider>("volumeSlider")->setValue(c.Volume);
      Find<QPushButton>("okButton")->click();
    });
    Form.Open();
    QStringList stored;
    for (const char *name :
         {"DownArrow", "Movement", "SlideDelay", "SlideRate", "GhostPiece", "SoundVolume"})
      stored << Store.ReadSetting(name);
    EXPECT_EQ(stored, c.Stored) << c.Down;
    EXPECT_EQ(Prefs.DownKey == TDownKey::Fall, QString(c.Down) == "fallWithDownRadio");
    EXPECT_EQ(Prefs.SingleStepMovement, !c.Slide);
    EXPECT_EQ(QString::number(Prefs.SlideDelay), c.Stored[2]);
    EXPECT_EQ(QString::number(Prefs.SlideRate), c.Stored[3]);
    EXPECT_EQ(Prefs.ShowLandingPlace, c.Ghost);
    // Shown again, the dialog holds what was stored.
    Form.show();
    EXPECT_TRUE(Checked(c.Down));
    EXPECT_EQ(Find<QSlider>("volumeSlider")->value(), c.Stored[5].toInt());
    Form.close();
  }
}

TEST_F(PreferencesDialogTest, TheSlideTimesCanBeSetOnlyWhileSliding) {
  Prefs.SingleStepMovement = true;
  Form.show();
  EXPECT_FALSE(Find<QSpinBox>("slideDelaySpin")->isEnabled());
  EXPECT_FALSE(Find<QSpinBox>("slideRateSpin")->isEnabled());
  Find<QRadioButton>("slideRadio")->setChecked(true);
  EXPECT_TRUE(Find<QSpinBox>("slideDelaySpin")->isEnabled());
  EXPECT_TRUE(Find<QSpinBox>("slideRateSpin")->isEnabled());
  Find<QPushButton>("defaultButton")->click();
  EXPECT_FALSE(Find<QSpinBox>("slideRateSpin")->isEnabled());
  EXPECT_EQ(Find<QSpinBox>("slideDelaySpin")->value(), 80);
  Form.close();
}

TEST_F(PreferencesDialogTest, TheVolumeIsHeardAsItMovesAndACancelGivesTheStoredOneBack) {
  Store.WriteSetting("SoundVolume", "70");
  TModalScript script(Form, [&] {
    EXPECT_EQ(Find<QSlider>("volumeSlider")->value(), 70);
    EXPECT_TRUE(Heard.isEmpty()) << "showing the stored volume is no change";
    Find<QSlider>("volumeSlider")->setFocus();
    TypeKey(Form, Qt::Key_Left);
    Find<QPushButton>("defaultButton")->click();
    TypeKey(Form, Qt::Key_Escape);
  });
  Form.Open();
  EXPECT_EQ(Heard, QList<int>({69, 100, 70}));
  EXPECT_EQ(Store.ReadSetting("SoundVolume"), "70");
}

TEST_F(PreferencesDialogTest, AMissingOrStrangeVolumeShowsAsFull) {
  for (const char *stored : {"", "loud", "101", "-1"}) {
    Store.WriteSetting("SoundVolume", stored);
    Form.show();
    EXPECT_EQ(Find<QSlider>("volumeSlider")->value(), 100) << stored;
    Form.close();
  }
}

// Keys... opens the keys dialog on the stored keys; what it keeps is stored only when
// Preferences' Ok is pressed.
TEST_F(PreferencesDialogTest, TheKeysChosenAreKeptOnlyWhenPreferencesOkIsPressed) {
  const TKeyCode w = KeyCode(Qt::Key_W);
  Form.SetReservedKeys({{KeyCode(Qt::Key_F2), "New Game"}});
  for (const bool ok : {false, true}) {
    TModalScript script(Form, [&] {
      QTimer::singleShot(0, &Form, [&] {
        auto *keys = Form.findChild<TKeysDialog *>();
        ASSERT_NE(keys, nullptr);
        ASSERT_TRUE(keys->isVisible());
        EXPECT_TRUE(Host.Suspended);
        keys->findChild<QTableWidget *>("keysTable")->selectRow(int(TPlayerAction::Turn));
        keys->findChild<QPushButton *>("addKeyButton")->click();
        TypeKey(*keys, Qt::Key_F2);
        EXPECT_TRUE(keys->Notice().contains("New Game")) << keys->Notice().toStdString();
        keys->findChild<QPushButton *>("addKeyButton")->click();
        TypeKey(*keys, Qt::Key_W);
        keys->findChild<QPushButton *>("okButton")->click();
      });
      Find<QPushButton>("keysButton")->click();
      EXPECT_TRUE(Host.Suspended) << "the game stays still while Preferences is open";
      EXPECT_EQ(Form.focusWidget(), Find<QWidget>("keysButton"));
      EXPECT_TRUE(Store.ReadSetting("KeyTurn").isEmpty());
      if (ok)
        Find<QPushButton>("okButton")->click();
      else
        TypeKey(Form, Qt::Key_Escape);
    });
    Form.Open();
    EXPECT_EQ(ReadKeyBindings(Store).Keys(TPlayerAction::Turn).contains(w), ok);
    EXPECT_EQ(Store.ReadSetting("KeyTurn").split("; ").contains("W"), ok)
        << Store.ReadSetting("KeyTurn").toStdString();
  }
}

} // namespace
