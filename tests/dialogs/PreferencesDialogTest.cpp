#include "DialogDriver.h"

#include "dialogs/PreferencesDialog.h"
#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
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

  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    Store.WriteSetting("DownArrow", "Rotate");
    Store.WriteSetting("UpArrow", "CW");
    Store.WriteSetting("Movement", "Slide");
    Store.WriteSetting("RotateSND", "NO");
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

TEST_F(PreferencesDialogTest, WindowAndControlsAreLaidOutAsDesigned) {
  EXPECT_EQ(Form.windowTitle(), "Preferences");
  EXPECT_EQ(Form.size(), QSize(306, 216));
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(Form.windowFlags() & Qt::WindowMaximizeButtonHint);

  const struct {
    const char *Name;
    QString Caption;
    QRect Area;
  } boxes[] = {{"downArrowGroup", "Down Arrow", {8, 16, 130, 80}},
               {"upArrowGroup", "Up Arrow (Rotate Direction)", {144, 16, 153, 80}},
               {"optionsGroup", "Options", {8, 104, 289, 57}}};
  for (const auto &b : boxes) {
    EXPECT_EQ(Find<QGroupBox>(b.Name)->title(), b.Caption);
    EXPECT_EQ(Find<QGroupBox>(b.Name)->geometry(), b.Area) << b.Name;
  }
  const struct {
    const char *Name;
    const char *Group;
    QString Caption;
    QPoint At;
  } controls[] = {{"dropWithDownRadio", "downArrowGroup", "Drop", {17, 24}},
                  {"rotateWithDownRadio", "downArrowGroup", "Rotate (ACW)", {17, 48}},
                  {"turnClockwiseRadio", "upArrowGroup", "Clockwise (CW)", {13, 24}},
                  {"turnAntiClockwiseRadio", "upArrowGroup", "Anti Clockwise (ACW)", {13, 48}},
                  {"singleStepMovementCheck", "optionsGroup", "Original Tetris Movement", {20, 24}},
                  {"motionSoundCheck", "optionsGroup", "Motion Sound", {177, 24}}};
  for (const auto &c : controls) {
    auto *control = Find<QAbstractButton>(c.Name);
    EXPECT_EQ(control->text(), c.Caption);
    EXPECT_EQ(control->parentWidget()->objectName(), c.Group) << c.Name;
    EXPECT_EQ(control->pos(), c.At) << c.Name;
  }
  EXPECT_EQ(Find<QPushButton>("defaultButton")->text(), "Default");
  EXPECT_EQ(Find<QPushButton>("defaultButton")->geometry(), QRect(54, 179, 90, 22));
  EXPECT_EQ(Find<QPushButton>("okButton")->text(), "Ok");
  EXPECT_EQ(Find<QPushButton>("okButton")->geometry(), QRect(166, 179, 90, 22));
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
  EXPECT_EQ(Checked("singleStepMovementCheck"), c.Movement);
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
    EXPECT_TRUE(Checked("singleStepMovementCheck"));
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
    Find<QCheckBox>("singleStepMovementCheck")->setChecked(false);
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
    Find<QCheckBox>("singleStepMovementCheck")->setChecked(true);
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
                                           "turnAntiClockwiseRadio", "singleStepMovementCheck",
                                           "motionSoundCheck"));

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
  EXPECT_FALSE(Checked("singleStepMovementCheck"));
  Form.close();
}

} // namespace
