#include "input/KeyBindings.h"
#include "media/Gamepads.h"

#include <gtest/gtest.h>

namespace {

using A = TPlayerAction;
constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

struct TEventRow {
  int QtKey;
  Qt::KeyboardModifiers Modifiers;
  TKeyCode Key;
};

void PrintTo(const TEventRow &row, std::ostream *os) {
  *os << "Qt key 0x" << std::hex << row.QtKey << " mods 0x" << row.Modifiers.toInt();
}

class KeyOfEventTest : public ::testing::TestWithParam<TEventRow> {};

struct TBindingRow {
  TKeyCode Key;
  TPlayerActions Actions;
};

void PrintTo(const TBindingRow &row, std::ostream *os) { *os << "key 0x" << std::hex << row.Key; }

class DefaultBindingsTest : public ::testing::TestWithParam<TBindingRow> {};

} // namespace

TEST_P(KeyOfEventTest, AKeyEventBecomesItsKeyWithOnlyTheKeypadMarked) {
  EXPECT_EQ(KeyOfEvent(GetParam().QtKey, GetParam().Modifiers), GetParam().Key);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, KeyOfEventTest,
    ::testing::Values(
        TEventRow{Qt::Key_A, None, Qt::Key_A}, TEventRow{Qt::Key_A, Qt::ShiftModifier, Qt::Key_A},
        TEventRow{Qt::Key_L, Qt::ControlModifier, Qt::Key_L},
        TEventRow{Qt::Key_8, None, Qt::Key_8}, TEventRow{Qt::Key_8, Keypad, KeyCode(Qt::Key_8, true)},
        // NumLock off: the keypad's navigation keys stand for their digits.
        TEventRow{Qt::Key_Up, Keypad, KeyCode(Qt::Key_8, true)},
        TEventRow{Qt::Key_Left, Keypad, KeyCode(Qt::Key_4, true)},
        TEventRow{Qt::Key_Home, Keypad, KeyCode(Qt::Key_7, true)},
        TEventRow{Qt::Key_PageUp, Keypad, KeyCode(Qt::Key_9, true)},
        TEventRow{Qt::Key_Clear, Keypad, KeyCode(Qt::Key_5, true)},
        TEventRow{Qt::Key_Insert, Keypad, KeyCode(Qt::Key_0, true)},
        TEventRow{Qt::Key_Home, None, Qt::Key_Home}, TEventRow{Qt::Key_Up, None, Qt::Key_Up},
        TEventRow{Qt::Key_Enter, Keypad, KeyCode(Qt::Key_Enter, true)},
        TEventRow{Qt::Key_F13, None, Qt::Key_F13}, TEventRow{Qt::Key_Pause, None, Qt::Key_Pause},
        TEventRow{Qt::Key_Shift, Qt::ShiftModifier, 0}, TEventRow{Qt::Key_Control, None, 0},
        TEventRow{Qt::Key_NumLock, None, 0}, TEventRow{Qt::Key_unknown, None, 0},
        TEventRow{0, None, 0}));
// clang-format on

TEST_P(DefaultBindingsTest, EachKeyAsksForExactlyItsActions) {
  EXPECT_EQ(TKeyBindings::Defaults().ActionsOf(GetParam().Key), GetParam().Actions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, DefaultBindingsTest,
    ::testing::Values(
        TBindingRow{Qt::Key_K, {A::Turn}}, TBindingRow{Qt::Key_Up, {A::Turn}},
        TBindingRow{KeyCode(Qt::Key_8, true), {A::Turn}},
        TBindingRow{Qt::Key_J, {A::Down}}, TBindingRow{Qt::Key_Down, {A::Down}},
        TBindingRow{KeyCode(Qt::Key_2, true), {A::Down}}, TBindingRow{KeyCode(Qt::Key_5, true), {A::Down}},
        TBindingRow{Qt::Key_H, {A::Left}}, TBindingRow{Qt::Key_Left, {A::Left}},
        TBindingRow{KeyCode(Qt::Key_4, true), {A::Left}}, TBindingRow{KeyCode(Qt::Key_7, true), {A::Left}},
        TBindingRow{Qt::Key_L, {A::Right}}, TBindingRow{Qt::Key_Right, {A::Right}},
        TBindingRow{KeyCode(Qt::Key_6, true), {A::Right}}, TBindingRow{KeyCode(Qt::Key_9, true), {A::Right}},
        TBindingRow{Qt::Key_Z, {A::Drop, A::Start}}, TBindingRow{Qt::Key_Space, {A::Drop, A::Start}},
        TBindingRow{Qt::Key_P, {A::Pause}}, TBindingRow{Qt::Key_Pause, {A::Pause}},
        TBindingRow{PadButtonCode(PadLeft), {A::Left}}, TBindingRow{PadButtonCode(PadRight), {A::Right}},
        TBindingRow{PadButtonCode(PadTurn), {A::Turn}},
        TBindingRow{PadButtonCode(PadDown), {A::Drop, A::Start}},
        TBindingRow{PadButtonCode(PadDrop), {A::Drop, A::Start}},
        TBindingRow{PadButtonCode(PadStart), {A::Start, A::Pause}},
        // Keys that play no part: the digits above the letters, the keypad's 0 and 3, F3 (the
        // menu's own), Return.
        TBindingRow{Qt::Key_8, {}}, TBindingRow{KeyCode(Qt::Key_0, true), {}},
        TBindingRow{KeyCode(Qt::Key_3, true), {}}, TBindingRow{Qt::Key_F3, {}},
        TBindingRow{Qt::Key_Return, {}}));
// clang-format on
