#include "DialogDriver.h"

#include "dialogs/MessageDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class MessageDialogTest : public ::testing::Test {
protected:
  TFakeDialogHost Host;
  TMessageDialog Form{Host};

  template <class T> T *Find(const char *name) {
    T *child = Form.findChild<T *>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  // Lays the box out for a message without waiting for it to be closed.
  void ShowWithoutWaiting(const QString &line1, const QString &line2, const QString &line3) {
    TModalScript script(Form, [&] { Form.hide(); });
    Form.ShowMessageBox(line1, line2, line3);
  }
};

// Half of an odd number goes to the even neighbour.
int HalfToEven(int twice) {
  const int below = int(std::floor(twice / 2.0));
  return twice % 2 == 0 ? twice / 2 : (below % 2 == 0 ? below : below + 1);
}

TEST_F(MessageDialogTest, FixedPartsOfTheBox) {
  EXPECT_EQ(Form.windowTitle(), "Message");
  EXPECT_EQ(Form.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_EQ(Find<QLabel>("pictureLabel")->geometry(), QRect(8, 6, 40, 42));
  const QPixmap picture = Find<QLabel>("pictureLabel")->pixmap();
  EXPECT_EQ(picture.size(), QSize(40, 42));
  const QImage image = picture.toImage();
  EXPECT_NE(image.pixelColor(20, 21), image.pixelColor(0, 0)) << "the picture shows something";
  EXPECT_EQ(Find<QPushButton>("okButton")->text(), "Ok");
  EXPECT_EQ(Form.findChild<QPushButton *>("cancelButton"), nullptr);
}

TEST_F(MessageDialogTest, LinesJoinedByCrLfAndBoxSizedToThem) {
  for (const QString &message :
       {QString("No Levels Defined!"), QString("Cannot Create file Quarrybox.exe!").repeated(2)}) {
    ShowWithoutWaiting("Game with a name:", message, "has just been created!");
    auto *label = Find<QLabel>("messageLabel");
    EXPECT_EQ(label->text(), "Game with a name:\r\n" + message + "\r\nhas just been created!");
    EXPECT_EQ(label->pos(), QPoint(59, 8));
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(message));
    EXPECT_EQ(Form.width(), label->width() + 84);
    EXPECT_EQ(Find<QFrame>("ruleLine")->geometry(), QRect(8, 57, label->width() + 60, 3));
    EXPECT_EQ(Find<QPushButton>("okButton")->geometry(),
              QRect(HalfToEven(Form.width() - 75), 66, 75, 17));
  }
}

TEST_F(MessageDialogTest, ALongMessageWrapsWithinTheMainWindowsWidthAboveItsButton) {
  const QString path = "/home/player/" + QString("games/").repeated(20) + "Castle.qbx";
  ShowWithoutWaiting("", path + ": the file is incomplete (cut short at byte 1024).", "");
  auto *label = Find<QLabel>("messageLabel");
  EXPECT_LE(Form.width(), 600);
  EXPECT_TRUE(label->wordWrap());
  EXPECT_LE(label->x() + label->width(), Form.width());
  // Every word is shown: the label is tall enough for its wrapped text.
  EXPECT_GE(label->height(), label->heightForWidth(label->width()));
  EXPECT_GT(label->height(), 3 * label->fontMetrics().height());
  auto *ok = Find<QPushButton>("okButton");
  EXPECT_GE(ok->y(), label->y() + label->height());
  EXPECT_LE(ok->y() + ok->height(), Form.height());
}

TEST_F(MessageDialogTest, OkCentredForOddAndEvenWidths) {
  // Widths of both parities: with an odd spare width the half goes to the even neighbour.
  QSet<int> parities;
  for (int extra = 0; extra < 40 && parities.size() < 2; ++extra) {
    ShowWithoutWaiting("", "Disk Write Error!" + QString(extra, 'i'), "");
    const int spare = Form.width() - 75;
    parities.insert(spare % 2);
    const int left = Find<QPushButton>("okButton")->x();
    EXPECT_LE(std::abs(2 * left - spare), 1);
    if (spare % 2 != 0) {
      EXPECT_EQ(left % 2, 0) << "spare " << spare;
    }
  }
  EXPECT_EQ(parities.size(), 2);
}

TEST_F(MessageDialogTest, OpensWithChimeSuspendedCentredAndOkFocused) {
  TModalScript script(Form, [&] {
    ExpectOpenedSuspendedAndCentred(Form, Host);
    EXPECT_EQ(Form.focusWidget(), Find<QWidget>("okButton"));
    TypeKey(Form, Qt::Key_Return);
  });
  Form.ShowMessageBox("", "DirectX not found!", "");
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

TEST_F(MessageDialogTest, EscapeRightAfterOpeningDoesNothing) {
  TModalScript script(Form, [&] {
    TypeKey(Form, Qt::Key_Escape);
    EXPECT_TRUE(Form.isVisible());
    EXPECT_TRUE(Host.Suspended);
    QTest::mouseClick(Find<QPushButton>("okButton"), Qt::LeftButton);
  });
  Form.ShowMessageBox("", "No defined Level Found!", "");
  EXPECT_FALSE(Form.isVisible());
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(MessageDialogTest, EscapeReachingTheWindowCloses) {
  TModalScript script(Form, [&] {
    Form.setFocus();
    ASSERT_EQ(Form.focusWidget(), &Form);
    QTest::keyPress(&Form, Qt::Key_Escape);
    EXPECT_TRUE(Form.isVisible()) << "acts on release";
    QTest::keyRelease(&Form, Qt::Key_Escape);
    EXPECT_FALSE(Form.isVisible());
  });
  Form.ShowMessageBox("", "No Levels Defined!", "");
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(MessageDialogTest, TitleBarCloseResumes) {
  TModalScript script(Form, [&] { Form.close(); });
  Form.ShowMessageBox("", "Disk Write Error!", "");
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

} // namespace
