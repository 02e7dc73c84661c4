// The builder steps aside for its file and colour dialogs, comes back where it was, and holds
// the game again after every answer, as its own modal run needs.
#include "builder/StepAsideQuestions.h"
#include "dialogs/DialogHost.h"
#include "tests/builder/RecordingQuestions.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

class HoldingHost : public TDialogHost {
public:
  bool Suspended = false;
  void SetSuspended(bool suspended) override { Suspended = suspended; }
  void PlaySound(const QString &) override {}
};

struct TQuestionRow {
  const char *Name;
  std::function<void(TBuilderQuestions &)> Ask;
  bool Hides;     // the window is off the screen while the author answers
  bool HoldsGame; // the game is held again afterwards
};

void PrintTo(const TQuestionRow &row, std::ostream *os) { *os << row.Name; }

class StepAsideQuestionsTest : public ::testing::TestWithParam<TQuestionRow> {
protected:
  StepAsideQuestionsTest() { Asked.Window = &Window; }

  QDialog Window;
  HoldingHost Host;
  TRecordingQuestions Asked;
  TStepAsideQuestions Questions{Window, Host, Asked};
};

} // namespace

TEST_P(StepAsideQuestionsTest, HidesOnlyForDialogsOverThePreviewAndHoldsTheGameAfter) {
  const TQuestionRow &row = GetParam();
  Window.move(40, 30);
  Window.show();
  const QPoint where = Window.pos();
  Host.Suspended = false; // as a message box closing in between leaves it
  row.Ask(Questions);
  ASSERT_EQ(Asked.VisibleWhileAsked.size(), 1);
  EXPECT_EQ(Asked.VisibleWhileAsked[0], !row.Hides);
  EXPECT_TRUE(Window.isVisible());
  EXPECT_EQ(Host.Suspended, row.HoldsGame);
  // The window's own showing (which would centre it) asks whether it is coming back.
  Window.move(0, 0);
  EXPECT_EQ(Questions.ComeBack(), row.Hides);
  if (row.Hides)
    EXPECT_EQ(Window.pos(), where);
  EXPECT_FALSE(Questions.ComeBack()); // the next showing is a new opening
}

INSTANTIATE_TEST_SUITE_P(
    EachQuestion, StepAsideQuestionsTest,
    ::testing::Values(
        TQuestionRow{"picture", [](TBuilderQuestions &q) { q.AskPicture("/p/"); }, true, true},
        TQuestionRow{"pictures", [](TBuilderQuestions &q) { q.AskPictures("/p/"); }, true, true},
        TQuestionRow{"colour", [](TBuilderQuestions &q) { q.AskColour(0xFF); }, true, true},
        TQuestionRow{"message", [](TBuilderQuestions &q) { q.ShowMessage("m"); }, false, true},
        TQuestionRow{"confirm", [](TBuilderQuestions &q) { q.Confirm("c", "t"); }, false, true},
        TQuestionRow{"report", [](TBuilderQuestions &q) { q.ShowReport("r", "t"); }, false, true},
        TQuestionRow{"help", [](TBuilderQuestions &q) { q.OpenHelp("file:///h"); }, false, false}),
    [](const ::testing::TestParamInfo<TQuestionRow> &info) { return info.param.Name; });

// Before the window opens (or after it closed) asking neither shows it nor holds the game.
TEST(StepAsideQuestionsClosedTest, AClosedWindowStaysClosed) {
  QDialog window;
  HoldingHost host;
  TRecordingQuestions asked;
  TStepAsideQuestions questions(window, host, asked);
  asked.ColourAnswer = 0x123456;
  EXPECT_EQ(questions.AskColour(0), std::optional<quint32>(0x123456));
  questions.ShowMessage("m");
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(host.Suspended);
  EXPECT_FALSE(questions.ComeBack());
  EXPECT_EQ(asked.Asked, (QStringList{"colour", "message:m"}));
}
