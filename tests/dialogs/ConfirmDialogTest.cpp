#include "DialogDriver.h"

#include "dialogs/ConfirmDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ConfirmDialogTest : public ::testing::Test {
protected:
  TFakeDialogHost Host;
  TConfirmDialog Form{Host};

  QPushButton *Ok() { return Form.findChild<QPushButton *>("okButton"); }
  QPushButton *Cancel() { return Form.findChild<QPushButton *>("cancelButton"); }
  int Ask(const std::function<void()> &whileOpen) {
    TModalScript script(Form, whileOpen);
    return Form.ShowConfirmBox("Confirm Stop Game", "", "Really Stop Current Game?!", "");
  }
};

TEST_F(ConfirmDialogTest, CaptionComesWithEachCall) {
  TModalScript first(Form, [&] {
    EXPECT_EQ(Form.windowTitle(), "Confirm Delete");
    Form.close();
  });
  Form.ShowConfirmBox("Confirm Delete", "", "Really Delete Current Level?!", "");
  TModalScript second(Form, [&] {
    EXPECT_EQ(Form.windowTitle(), "Confirm Overwrite Game");
    EXPECT_EQ(Form.findChild<QLabel *>("messageLabel")->text(),
              "Game File\r\n/games/Castle.qbx\r\nwill be overwritten.");
    Form.close();
  });
  Form.ShowConfirmBox("Confirm Overwrite Game", "Game File", "/games/Castle.qbx",
                      "will be overwritten.");
}

TEST_F(ConfirmDialogTest, EnterRightAfterOpeningChoosesCancel) {
  const int result = Ask([&] {
    EXPECT_EQ(Form.focusWidget(), Cancel());
    TypeKey(Form, Qt::Key_Return);
  });
  EXPECT_EQ(result, 2);
  EXPECT_FALSE(Form.isVisible());
}

TEST_F(ConfirmDialogTest, OkGivesOneAndCancelGivesTwo) {
  EXPECT_EQ(Ask([&] { QTest::mouseClick(Ok(), Qt::LeftButton); }), 1);
  EXPECT_EQ(Ask([&] { QTest::mouseClick(Cancel(), Qt::LeftButton); }), 2);
  EXPECT_EQ(Ask([&] {
              TypeKey(Form, Qt::Key_Tab); // from Cancel on to Ok
              EXPECT_EQ(Form.focusWidget(), Ok());
              TypeKey(Form, Qt::Key_Return);
            }),
            1);
}

TEST_F(ConfirmDialogTest, EscapeRightAfterOpeningDoesNothing) {
  const int result = Ask([&] {
    TypeKey(Form, Qt::Key_Escape);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_TRUE(Host.Suspended);
    EXPECT_EQ(Form.Result(), -1);
    QTest::mouseClick(Ok(), Qt::LeftButton);
  });
  EXPECT_EQ(result, 1);
}

TEST_F(ConfirmDialogTest, EscapeReachingTheWindowCancels) {
  const int result = Ask([&] {
    Form.setFocus();
    ASSERT_EQ(Form.focusWidget(), &Form);
    TypeKey(Form, Qt::Key_Escape);
  });
  EXPECT_EQ(result, 2);
  EXPECT_FALSE(Form.isVisible());
}

TEST_F(ConfirmDialogTest, TitleBarCloseGivesMinusOneEvenAfterAnEarlierAnswer) {
  EXPECT_EQ(Ask([&] { QTest::mouseClick(Ok(), Qt::LeftButton); }), 1);
  EXPECT_EQ(Ask([&] { Form.close(); }), -1);
}

TEST_F(ConfirmDialogTest, SuspendedWhileShownAndChimeOnEveryOpening) {
  Ask([&] {
    EXPECT_TRUE(Host.Suspended);
    TypeKey(Form, Qt::Key_Return);
  });
  EXPECT_FALSE(Host.Suspended);
  Ask([&] { Form.close(); });
  EXPECT_FALSE(Host.Suspended);
  Ask([&] { QTest::mouseClick(Ok(), Qt::LeftButton); });
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false, true, false, true, false}));
  EXPECT_EQ(Host.Sounds, QStringList({"Dialog", "Dialog", "Dialog"}));
}

TEST_F(ConfirmDialogTest, CentredOnTheScreen) {
  Ask([&] {
    const QRect screen = Form.screen()->geometry();
    const QRect frame = Form.frameGeometry();
    EXPECT_EQ(frame.left(), screen.left() + (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top(), screen.top() + (screen.height() - frame.height()) / 2);
    Form.close();
  });
}

TEST_F(ConfirmDialogTest, LongMessageWidensTheBoxButtonsCentredFifteenApart) {
  QSet<int> parities;
  int previousWidth = 0;
  for (int extra = 0; extra < 40; extra += 3) {
    const QString line = "Game File " + QString(extra, 'm') + QString(extra % 2, 'i');
    TModalScript script(Form, [&] { Form.close(); });
    Form.ShowConfirmBox("Confirm Overwrite Game", "", line, "");
    const int labelWidth = Form.findChild<QLabel *>("messageLabel")->width();
    EXPECT_EQ(Form.width(), labelWidth + 84);
    EXPECT_GT(Form.width(), previousWidth) << "a longer message gives a wider box";
    previousWidth = Form.width();
    EXPECT_EQ(Form.findChild<QFrame *>("ruleLine")->width(), labelWidth + 60);

    const QRect ok = Ok()->geometry();
    const QRect cancel = Cancel()->geometry();
    EXPECT_EQ(ok.size(), QSize(75, 17));
    EXPECT_EQ(cancel.size(), QSize(75, 17));
    EXPECT_EQ(ok.top(), 66);
    EXPECT_EQ(cancel.top(), 66);
    EXPECT_EQ(cancel.left() - (ok.left() + 75), 15);
    // The 165-pixel pair is centred; an odd spare pixel goes where the left edge is even.
    const int spare = Form.width() - 165;
    parities.insert(spare % 2);
    EXPECT_LE(std::abs(2 * ok.left() - spare), 1) << "spare " << spare;
    if (spare % 2 != 0) {
      EXPECT_EQ(ok.left() % 2, 0) << "spare " << spare;
    }
  }
  EXPECT_EQ(parities.size(), 2) << "both parities of the spare width were tried";
}

} // namespace
