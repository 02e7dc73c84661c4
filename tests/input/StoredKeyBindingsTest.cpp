#include "input/StoredKeyBindings.h"
#include "media/Gamepads.h"
#include "settings/SettingsStore.h"

#include <QKeySequence>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using A = TPlayerAction;

class StoredKeyBindingsTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  TSettingsStore Store{Dir.filePath("Quarrybox.conf")};
};

} // namespace

TEST_F(StoredKeyBindingsTest, NothingStoredGivesTheDefaultKeys) {
  EXPECT_EQ(ReadKeyBindings(Store), TKeyBindings::Defaults());
}

TEST_F(StoredKeyBindingsTest, EachActionIsALineOfPortableKeyTextsThatQtReadsBack) {
  WriteKeyBindings(Store, TKeyBindings::Defaults());
  EXPECT_EQ(Store.ReadSetting("KeyLeft"), "Left; H; Num+4; Num+7");
  EXPECT_EQ(Store.ReadSetting("KeyDrop"), "Space; Z");
  EXPECT_EQ(Store.ReadSetting("KeyPause"), "P; Pause");
  EXPECT_EQ(Store.ReadSetting("PadDrop"), "Down; A");
  EXPECT_EQ(Store.ReadSetting("PadStart"), "Down; A; Start");
  const QList<QKeySequence> read =
      QKeySequence::listFromString(Store.ReadSetting("KeyLeft"), QKeySequence::PortableText);
  ASSERT_EQ(read.size(), 4);
  EXPECT_EQ(read[2][0].toCombined(), KeyCode(Qt::Key_4, true));
}

TEST_F(StoredKeyBindingsTest, ChangedKeysAndButtonsReadBackAsTheyWereSet) {
  TKeyBindings changed = TKeyBindings::Defaults();
  changed.SetKeys(A::Left, {KeyCode(Qt::Key_A), KeyCode(Qt::Key_1, true), PadButtonCode(PadTurn)});
  changed.SetKeys(A::Turn, {KeyCode(Qt::Key_W), KeyCode(Qt::Key_F5)});
  WriteKeyBindings(Store, changed);
  EXPECT_EQ(Store.ReadSetting("KeyLeft"), "A; Num+1");
  EXPECT_EQ(Store.ReadSetting("PadLeft"), "B");
  EXPECT_EQ(Store.ReadSetting("KeyTurn"), "W; F5");
  const TKeyBindings read = ReadKeyBindings(Store);
  EXPECT_EQ(read.Keys(A::Left), changed.Keys(A::Left));
  EXPECT_EQ(read.Keys(A::Right), changed.Keys(A::Right));
  EXPECT_EQ(read.ActionsOf(KeyCode(Qt::Key_W)), TPlayerActions({A::Turn}));
  EXPECT_TRUE(read.ActionsOf(KeyCode(Qt::Key_K)).Empty());
}

// A hand-edited file: a line that is empty or names something that is no single key gives that
// action its default keys, and only that action.
TEST_F(StoredKeyBindingsTest, AnUnreadableLineGivesOnlyItsActionTheDefaultKeys) {
  const struct {
    const char *Name, *Text;
  } rows[] = {{"KeyTurn", "Ctrl+X"}, {"KeyTurn", "Left; Nonsense"},
              {"KeyTurn", ""},       {"KeyTurn", "Ctrl+X, Y"},
              {"KeyTurn", ";;"},     {"PadTurn", "Q"}};
  for (const auto &row : rows) {
    Store.WriteSetting("KeyLeft", "A");
    Store.WriteSetting(row.Name, row.Text);
    const TKeyBindings read = ReadKeyBindings(Store);
    EXPECT_EQ(read.Keys(A::Turn), TKeyBindings::Defaults().Keys(A::Turn))
        << row.Name << "=" << row.Text;
    EXPECT_EQ(read.ActionsOf(KeyCode(Qt::Key_A)), TPlayerActions({A::Left})) << row.Text;
    Store.WriteSetting(row.Name, "");
  }
}

TEST_F(StoredKeyBindingsTest, TheSameKeyTwiceInALineIsKeptOnce) {
  Store.WriteSetting("KeyDrop", "Space; Space; num+0");
  EXPECT_EQ(ReadKeyBindings(Store).Keys(A::Drop),
            QList<TKeyCode>({KeyCode(Qt::Key_Space), KeyCode(Qt::Key_0, true),
                             PadButtonCode(PadDown), PadButtonCode(PadDrop)}));
}
