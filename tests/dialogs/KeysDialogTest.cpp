#include "DialogDriver.h"

#include "dialogs/KeysDialog.h"
#include "media/Gamepads.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using A = TPlayerAction;

class KeysDialogTest : public ::testing::Test {
protected:
  TFakeDialogHost Host;
  TKeysDialog Form{Host, TKeyBindings::Defaults(), {{KeyCode(Qt::Key_F3), "Pause Game"}}};

  void SetUp() override {
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }
  void Select(A action) { Form.findChild<QTableWidget *>("keysTable")->selectRow(int(action)); }
  void Click(const char *button) { Form.findChild<QPushButton *>(button)->click(); }
  QString Shown(A action) {
    return Form.findChild<QTableWidget *>("keysTable")->item(int(action), 1)->text();
  }
  // Add Key, then the key pressed where the keyboard sends it.
  void AddKey(A action, Qt::Key key) {
    Select(action);
    Click("addKeyButton");
    TypeKey(Form, key);
  }
};

} // namespace

TEST_F(KeysDialogTest, APressedKeyIsAddedToTheChosenActionAndShown) {
  AddKey(A::Turn, Qt::Key_W);
  EXPECT_TRUE(Form.Bindings().Keys(A::Turn).contains(KeyCode(Qt::Key_W)));
  EXPECT_TRUE(Shown(A::Turn).startsWith("W, "));
  EXPECT_EQ(Form.Bindings().ActionsOf(KeyCode(Qt::Key_W)), TPlayerActions({A::Turn}));
  EXPECT_TRUE(Form.Notice().isEmpty());
}

// Refused keys leave the table as it was and say why, naming the other use.
TEST_F(KeysDialogTest, AKeyInUseElsewhereOrKeptByTheMenusIsRefusedWithAWord) {
  AddKey(A::Left, Qt::Key_Space);
  EXPECT_FALSE(Form.Bindings().Keys(A::Left).contains(KeyCode(Qt::Key_Space)));
  EXPECT_TRUE(Form.Notice().contains("Drop")) << Form.Notice().toStdString();

  AddKey(A::Left, Qt::Key_F3);
  EXPECT_FALSE(Form.Bindings().Keys(A::Left).contains(KeyCode(Qt::Key_F3)));
  EXPECT_TRUE(Form.Notice().contains("Pause Game")) << Form.Notice().toStdString();

  // Start acts only while nothing is played: it may share a key with the play's actions.
  AddKey(A::Start, Qt::Key_Left);
  EXPECT_TRUE(Form.Bindings().Keys(A::Start).contains(KeyCode(Qt::Key_Left)));
}

TEST_F(KeysDialogTest, EscapeWhileAKeyIsAwaitedCancelsTheWaitNotTheDialog) {
  Select(A::Drop);
  Click("addKeyButton");
  TypeKey(Form, Qt::Key_Escape);
  EXPECT_TRUE(Form.isVisible());
  EXPECT_EQ(Form.Bindings(), TKeyBindings::Defaults());
  TypeKey(Form, Qt::Key_Escape); // not waiting: Escape closes
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Form.result(), QDialog::Rejected);
}

TEST_F(KeysDialogTest, OkRefusesAnActionLeftWithoutAKeyAndDefaultGivesThemBack) {
  Select(A::Pause);
  Click("clearKeysButton");
  EXPECT_TRUE(Shown(A::Pause).isEmpty());
  // The controller's Start button still pauses: clearing takes the keyboard's keys only.
  EXPECT_TRUE(Form.Bindings().Keys(A::Pause).contains(PadButtonCode(PadStart)));
  Click("okButton");
  EXPECT_TRUE(Form.isVisible());
  EXPECT_TRUE(Form.Notice().contains("no key")) << Form.Notice().toStdString();

  AddKey(A::Turn, Qt::Key_W);
  Click("defaultButton");
  EXPECT_EQ(Form.Bindings(), TKeyBindings::Defaults());
  Click("okButton");
  EXPECT_EQ(Form.result(), QDialog::Accepted);
}

TEST(KeyClashTest, PlayActionsMayNotShareAKeyButStartMay) {
  const TKeyBindings keys = TKeyBindings::Defaults();
  EXPECT_EQ(keys.ClashOf(A::Left, KeyCode(Qt::Key_Space)), A::Drop);
  EXPECT_EQ(keys.ClashOf(A::Pause, KeyCode(Qt::Key_K)), A::Turn);
  EXPECT_EQ(keys.ClashOf(A::Left, KeyCode(Qt::Key_H)), std::nullopt); // its own key
  EXPECT_EQ(keys.ClashOf(A::Start, KeyCode(Qt::Key_Left)), std::nullopt);
  EXPECT_EQ(keys.ClashOf(A::Drop, KeyCode(Qt::Key_W)), std::nullopt);
  // Z is both Start's and Drop's: Drop is the one that clashes.
  EXPECT_EQ(keys.ClashOf(A::Turn, KeyCode(Qt::Key_Z)), A::Drop);
}
