#include "media/PlayerInput.h"
#include "media/VirtualKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TInputStates StatesOf(std::initializer_list<TInputState> states) {
  TInputStates set;
  for (const TInputState s : states)
    set.set(static_cast<size_t>(s));
  return set;
}

struct PlayerInputTest : ::testing::Test {
  TKeyStateTable Keys;
  TPlayerInput Input{Keys};
};

} // namespace

TEST_F(PlayerInputTest, AHeldKeyEntersOnceStaysAndLeavesOnRelease) {
  Keys.Press(Vk::K);
  Input.Update();
  EXPECT_EQ(Input.States(), StatesOf({InputUp}));
  Input.Update();
  EXPECT_TRUE(Input.Has(InputUp));
  Keys.Release(Vk::K);
  Input.Update();
  EXPECT_TRUE(Input.States().none());
}

TEST_F(PlayerInputTest, RemovingAStateConsumesThePressUntilReleasedAndPressedAgain) {
  Keys.Press(Vk::Left);
  Input.Update();
  Input.Remove(InputLeft);
  for (int frame = 0; frame < 3; ++frame) {
    Input.Update();
    EXPECT_FALSE(Input.Has(InputLeft)) << "frame " << frame;
  }
  Keys.Release(Vk::Left);
  Input.Update();
  EXPECT_FALSE(Input.Has(InputLeft));
  Keys.Press(Vk::Left);
  Input.Update();
  EXPECT_TRUE(Input.Has(InputLeft));
}

TEST_F(PlayerInputTest, RemovingOneStateLeavesTheOthersOfTheSameKey) {
  Keys.Press(Vk::Numpad8);
  Input.Update();
  EXPECT_EQ(Input.States(), StatesOf({InputUp, InputButton4}));
  Input.Remove(InputUp);
  Input.Update();
  EXPECT_EQ(Input.States(), StatesOf({InputButton4}));
}

TEST_F(PlayerInputTest, AStateStaysWhileAnyOfItsKeysIsDown) {
  Keys.Press(Vk::K);
  Input.Update();
  Keys.Press(Vk::Up);
  Keys.Release(Vk::K);
  Input.Update();
  EXPECT_TRUE(Input.Has(InputUp));
  Keys.Release(Vk::Up);
  Input.Update();
  EXPECT_FALSE(Input.Has(InputUp));
}

TEST_F(PlayerInputTest, ADisabledKeyboardDropsHeldStatesAndTheyReturnWhenEnabled) {
  Keys.Press(Vk::Space);
  Input.Update();
  ASSERT_TRUE(Input.Has(InputButton1));
  Input.Keyboard.SetEnabled(false);
  Input.Update();
  EXPECT_TRUE(Input.States().none());
  Input.Keyboard.SetEnabled(true);
  Input.Update(); // still held: seen as a new press
  EXPECT_TRUE(Input.Has(InputButton1));
}

TEST_F(PlayerInputTest, NoKeyIsSeenWhileAnotherWindowIsInFront) {
  bool foreground = false;
  Input.IsForeground = [&] { return foreground; };
  Keys.Press(Vk::Space);
  Input.Update();
  EXPECT_TRUE(Input.States().none());
  foreground = true;
  Input.Update();
  EXPECT_TRUE(Input.Has(InputButton1));
  foreground = false;
  Input.Update();
  EXPECT_TRUE(Input.States().none());
}

TEST_F(PlayerInputTest, WithoutActiveOnlyKeysCountInTheBackground) {
  Input.IsForeground = [] { return false; };
  Input.SetActiveOnly(false);
  Keys.Press(Vk::Space);
  Input.Update();
  EXPECT_TRUE(Input.Has(InputButton1));
}

TEST(KeyStateTableTest, PressSetsBitSevenAndCodesOutsideTheTableAreIgnored) {
  TKeyStateTable keys;
  keys.Press(65);
  keys.Press(255);
  keys.Press(0);
  keys.Press(256);
  keys.Press(-1);
  EXPECT_EQ(keys.Entry(65) & TKeyStateTable::DownBit, 0x80);
  EXPECT_TRUE(keys.Down(255));
  EXPECT_FALSE(keys.Down(0));
  EXPECT_FALSE(keys.Down(256));
  EXPECT_FALSE(keys.Down(-1));
  keys.Release(65);
  EXPECT_TRUE(keys.Down(65)); // the tap is still to be sampled
  keys.ClearLatches();
  EXPECT_FALSE(keys.Down(65));
  EXPECT_TRUE(keys.Down(255));
  keys.Clear();
  EXPECT_FALSE(keys.Down(255));
}

TEST(KeyStateTableTest, EveryPressReleaseAndClearIsToldButSamplingIsNot) {
  TKeyStateTable keys;
  int told = 0;
  keys.OnChange = [&told] { ++told; };
  keys.Press(65);
  keys.Release(65);
  keys.ClearLatches();
  keys.Press(300); // ignored, so nothing changed
  keys.Clear();
  EXPECT_EQ(told, 3);
}

namespace {

struct TAssignRow {
  int Vk;
  std::vector<TInputState> States;
};

void PrintTo(const TAssignRow &row, std::ostream *os) { *os << "vk " << row.Vk; }

class KeyAssignTest : public ::testing::TestWithParam<TAssignRow> {};

} // namespace

TEST_P(KeyAssignTest, EachKeyAloneSetsExactlyItsStatesOnTheSameUpdate) {
  TKeyStateTable keys;
  TPlayerInput input(keys);
  keys.Press(GetParam().Vk);
  input.Update();
  TInputStates expected;
  for (const TInputState s : GetParam().States)
    expected.set(static_cast<size_t>(s));
  EXPECT_EQ(input.States(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyAssignTest,
    ::testing::Values(TAssignRow{75, {InputUp}}, TAssignRow{38, {InputUp}},
                      TAssignRow{104, {InputUp, InputButton4}}, TAssignRow{74, {InputDown}},
                      TAssignRow{40, {InputDown}}, TAssignRow{98, {InputDown}},
                      TAssignRow{72, {InputLeft}}, TAssignRow{37, {InputLeft}},
                      TAssignRow{100, {InputLeft}}, TAssignRow{76, {InputRight}},
                      TAssignRow{39, {InputRight}}, TAssignRow{102, {InputRight}},
                      TAssignRow{90, {InputButton1}}, TAssignRow{32, {InputButton1}},
                      TAssignRow{88, {InputButton2}}, TAssignRow{13, {InputButton2}},
                      TAssignRow{103, {InputButton3}}, TAssignRow{105, {InputButton5}},
                      TAssignRow{101, {InputButton6}}, TAssignRow{113, {InputButton9}},
                      TAssignRow{80, {}}, TAssignRow{19, {}}, TAssignRow{112, {}},
                      TAssignRow{96, {}}, TAssignRow{99, {}}, TAssignRow{114, {}}));

TEST_F(PlayerInputTest, AKeyTappedBetweenTwoUpdatesCountsOnce) {
  Keys.Press(Vk::Space);
  Keys.Release(Vk::Space);
  Input.Update();
  EXPECT_TRUE(Input.Has(InputButton1));
  Input.Update();
  EXPECT_FALSE(Input.Has(InputButton1));
  Input.Update();
  EXPECT_FALSE(Input.Has(InputButton1));
}

TEST_F(PlayerInputTest, ATapWhileTheKeyboardIsDisabledIsForgotten) {
  Input.Keyboard.SetEnabled(false);
  Keys.Press(Vk::Space);
  Keys.Release(Vk::Space);
  Input.Update();
  Input.Keyboard.SetEnabled(true);
  Input.Update();
  EXPECT_FALSE(Input.Has(InputButton1));
}

TEST_F(PlayerInputTest, LosingTheFocusForgetsHeldKeysAndPendingTaps) {
  Keys.Press(Vk::Left);
  Keys.Press(Vk::Space);
  Keys.Release(Vk::Space);
  Keys.Clear();
  Input.Update();
  EXPECT_TRUE(Input.States().none());
}
