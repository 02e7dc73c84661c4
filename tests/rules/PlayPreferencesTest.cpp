// The stored texts of the Down key's choice, read as the program reads them: exactly, with a
// missing or empty value for the default.
#include "rules/PlayPreferences.h"

#include <gtest/gtest.h>

namespace {

struct TDownCase {
  const char *Stored;
  TDownKey Expected;
};

class DownKeyTest : public ::testing::TestWithParam<TDownCase> {};

TEST_P(DownKeyTest, TheStoredTextChoosesWhatDownDoes) {
  const TDownCase &c = GetParam();
  const TPlayPreferences p = TPlayPreferences::Read([&](const QString &name) {
    return name == "DownArrow" ? QString::fromLatin1(c.Stored) : QString();
  });
  EXPECT_EQ(p.DownKey(), c.Expected) << c.Stored;
  // The two-way view that Drop and Rotate are written from stays true to it.
  EXPECT_EQ(p.DownArrowDrops, c.Expected == TDownKey::Drop) << c.Stored;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DownKeyTest,
    ::testing::Values(TDownCase{"", TDownKey::Drop}, TDownCase{"Drop", TDownKey::Drop},
                      TDownCase{"Rotate", TDownKey::Rotate}, TDownCase{"Fall", TDownKey::Fall},
                      TDownCase{"fall", TDownKey::Rotate}, TDownCase{"Fall ", TDownKey::Rotate},
                      TDownCase{"drop", TDownKey::Rotate}));

} // namespace
