#include "input/PlayerInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using A = TPlayerAction;
const TKeyCode K = KeyCode(Qt::Key_K), Up = KeyCode(Qt::Key_Up), Left = KeyCode(Qt::Key_Left),
               Space = KeyCode(Qt::Key_Space), Keypad8 = KeyCode(Qt::Key_8, true);

struct PlayerInputTest : ::testing::Test {
  TKeyStateTable Keys;
  TPlayerInput Input{Keys};
};

} // namespace

TEST_F(PlayerInputTest, AHeldKeyEntersOnceStaysAndLeavesOnRelease) {
  Keys.Press(K);
  Input.Update();
  EXPECT_EQ(Input.Actions(), TPlayerActions({A::Turn}));
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Turn));
  Keys.Release(K);
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty());
}

TEST_F(PlayerInputTest, RemovingAnActionConsumesThePressUntilReleasedAndPressedAgain) {
  Keys.Press(Left);
  Input.Update();
  Input.Remove({A::Left});
  for (int frame = 0; frame < 3; ++frame) {
    Input.Update();
    EXPECT_FALSE(Input.Has(A::Left)) << "frame " << frame;
  }
  Keys.Release(Left);
  Input.Update();
  EXPECT_FALSE(Input.Has(A::Left));
  Keys.Press(Left);
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Left));
}

TEST_F(PlayerInputTest, RemovingOneActionLeavesTheOthersOfTheSameKey) {
  Keys.Press(Space);
  Input.Update();
  EXPECT_EQ(Input.Actions(), TPlayerActions({A::Drop, A::Start}));
  Input.Remove({A::Drop});
  Input.Update();
  EXPECT_EQ(Input.Actions(), TPlayerActions({A::Start}));
}

TEST_F(PlayerInputTest, RebindingAKeyMakesItAskForTheNewAction) {
  Input.Keyboard.Bindings.SetKeys(A::Turn, {KeyCode(Qt::Key_W)});
  Keys.Press(K);
  Keys.Press(KeyCode(Qt::Key_W));
  Input.Update();
  EXPECT_EQ(Input.Actions(), TPlayerActions({A::Turn}));
  Keys.Release(KeyCode(Qt::Key_W));
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty()) << "K no longer turns";
}

TEST_F(PlayerInputTest, AnActionStaysWhileAnyOfItsKeysIsDown) {
  Keys.Press(K);
  Input.Update();
  Keys.Press(Up);
  Keys.Release(K);
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Turn));
  Keys.Release(Up);
  Input.Update();
  EXPECT_FALSE(Input.Has(A::Turn));
}

TEST_F(PlayerInputTest, ADisabledKeyboardDropsHeldActionsAndTheyReturnWhenEnabled) {
  Keys.Press(Space);
  Input.Update();
  ASSERT_TRUE(Input.Has(A::Drop));
  Input.Keyboard.SetEnabled(false);
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty());
  Input.Keyboard.SetEnabled(true);
  Input.Update(); // still held: seen as a new press
  EXPECT_TRUE(Input.Has(A::Drop));
}

TEST_F(PlayerInputTest, NoKeyIsSeenWhileAnotherWindowIsInFront) {
  bool foreground = false;
  Input.IsForeground = [&] { return foreground; };
  Keys.Press(Space);
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty());
  foreground = true;
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Drop));
  foreground = false;
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty());
}

TEST_F(PlayerInputTest, WithoutActiveOnlyKeysCountInTheBackground) {
  Input.IsForeground = [] { return false; };
  Input.SetActiveOnly(false);
  Keys.Press(Space);
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Drop));
}

TEST(KeyStateTableTest, APressIsDownUntilReleasedAndSampledAndCodeZeroIsNoKey) {
  TKeyStateTable keys;
  keys.Press(Qt::Key_A);
  keys.Press(PadButtonCode(3));
  keys.Press(0);
  EXPECT_TRUE(keys.Held(Qt::Key_A));
  EXPECT_TRUE(keys.Down(PadButtonCode(3)));
  EXPECT_FALSE(keys.Down(0));
  EXPECT_EQ(keys.HeldKeys().size(), 2);
  keys.Release(Qt::Key_A);
  EXPECT_TRUE(keys.Down(Qt::Key_A)); // the tap is still to be sampled
  EXPECT_FALSE(keys.Held(Qt::Key_A));
  keys.ClearLatches();
  EXPECT_FALSE(keys.Down(Qt::Key_A));
  EXPECT_TRUE(keys.Down(PadButtonCode(3)));
  keys.Clear();
  EXPECT_FALSE(keys.Down(PadButtonCode(3)));
  EXPECT_TRUE(keys.HeldKeys().isEmpty());
}

TEST(KeyStateTableTest, EveryPressReleaseAndClearIsToldButSamplingIsNot) {
  TKeyStateTable keys;
  int told = 0;
  keys.OnChange = [&told] { ++told; };
  keys.Press(Qt::Key_A);
  keys.Release(Qt::Key_A);
  keys.ClearLatches();
  keys.Press(0); // no key, so nothing changed
  keys.Clear();
  EXPECT_EQ(told, 3);
}

TEST_F(PlayerInputTest, AKeyTappedBetweenTwoUpdatesCountsOnce) {
  Keys.Press(Space);
  Keys.Release(Space);
  Input.Update();
  EXPECT_TRUE(Input.Has(A::Drop));
  Input.Update();
  EXPECT_FALSE(Input.Has(A::Drop));
  Input.Update();
  EXPECT_FALSE(Input.Has(A::Drop));
}

TEST_F(PlayerInputTest, ATapWhileTheKeyboardIsDisabledIsForgotten) {
  Input.Keyboard.SetEnabled(false);
  Keys.Press(Space);
  Keys.Release(Space);
  Input.Update();
  Input.Keyboard.SetEnabled(true);
  Input.Update();
  EXPECT_FALSE(Input.Has(A::Drop));
}

TEST_F(PlayerInputTest, LosingTheFocusForgetsHeldKeysAndPendingTaps) {
  Keys.Press(Left);
  Keys.Press(Space);
  Keys.Release(Space);
  Keys.Clear();
  Input.Update();
  EXPECT_TRUE(Input.Actions().Empty());
}
