#include "media/VirtualKeys.h"

#include <gtest/gtest.h>

namespace {

struct TKeyRow {
  int QtKey;
  Qt::KeyboardModifiers Modifiers;
  int Vk;
};

void PrintTo(const TKeyRow &row, std::ostream *os) {
  *os << "Qt key 0x" << std::hex << row.QtKey << " mods 0x" << row.Modifiers.toInt();
}

class VirtualKeysTest : public ::testing::TestWithParam<TKeyRow> {};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

} // namespace

TEST_P(VirtualKeysTest, MapsTheQtKeyToTheVirtualKeyCode) {
  EXPECT_EQ(VirtualKeyFromQt(GetParam().QtKey, GetParam().Modifiers), GetParam().Vk);
}

// The rows stay packed as written, two or three a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, VirtualKeysTest,
    ::testing::Values(
        TKeyRow{Qt::Key_A, None, 65}, TKeyRow{Qt::Key_K, None, 75}, TKeyRow{Qt::Key_Z, None, 90},
        TKeyRow{Qt::Key_A, Qt::ShiftModifier, 65}, TKeyRow{Qt::Key_L, Qt::ControlModifier, 76},
        TKeyRow{Qt::Key_0, None, 48}, TKeyRow{Qt::Key_9, None, 57},
        TKeyRow{Qt::Key_0, Keypad, 96}, TKeyRow{Qt::Key_8, Keypad, 104},
        TKeyRow{Qt::Key_9, Keypad, 105}, TKeyRow{Qt::Key_Space, None, 32},
        TKeyRow{Qt::Key_Return, None, 13}, TKeyRow{Qt::Key_Enter, Keypad, 13},
        TKeyRow{Qt::Key_Left, None, 37}, TKeyRow{Qt::Key_Up, None, 38},
        TKeyRow{Qt::Key_Right, None, 39}, TKeyRow{Qt::Key_Down, None, 40},
        TKeyRow{Qt::Key_Up, Keypad, 38}, TKeyRow{Qt::Key_Left, Keypad, 37},
        TKeyRow{Qt::Key_Down, Keypad, 40}, TKeyRow{Qt::Key_Right, Keypad, 39},
        TKeyRow{Qt::Key_Home, Keypad, 103}, TKeyRow{Qt::Key_PageUp, Keypad, 105},
        TKeyRow{Qt::Key_Clear, Keypad, 101}, TKeyRow{Qt::Key_Home, None, 0},
        TKeyRow{Qt::Key_F1, None, 112}, TKeyRow{Qt::Key_F2, None, 113},
        TKeyRow{Qt::Key_F12, None, 123}, TKeyRow{Qt::Key_Pause, None, 19},
        TKeyRow{Qt::Key_F13, None, 0}, TKeyRow{Qt::Key_Escape, None, 0},
        TKeyRow{Qt::Key_Shift, Qt::ShiftModifier, 0}, TKeyRow{Qt::Key_Exclam, None, 0},
        TKeyRow{Qt::Key_unknown, None, 0}));
// clang-format on
