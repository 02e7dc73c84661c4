#include "DialogDriver.h"

#include "dialogs/ScoreDialog.h"
#include "gamefile/HighScores.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ScoreDialogTest : public ::testing::Test {
protected:
  TFakeDialogHost Host;
  TScoreDialog Form{Host};
  TScoreTable Table;

  void SetUp() override {
    const char *names[] = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo", "Gus", "Hal", "Ida", "Jo"};
    for (int i = 0; i < 10; ++i)
      Table[i] = {TGameData::StoredName(names[i]), 1234 - 100 * i};
    Table[0].Score = 123456789;
  }

  QLineEdit *Row(const char *column, int row) {
    auto *edit = Form.findChild<QLineEdit *>(column + QString::number(row));
    EXPECT_NE(edit, nullptr) << column << row;
    return edit;
  }
  QPushButton *CloseButton() { return Form.findChild<QPushButton *>("closeButton"); }
};

TEST_F(ScoreDialogTest, WindowRowsColoursAndFontsAsDesigned) {
  EXPECT_EQ(Form.windowTitle(), "Score Table");
  EXPECT_EQ(Form.size(), QSize(186, 236));
  const Qt::WindowFlags flags = Form.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(
      flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));

  const struct {
    const char *Column;
    int Left, Width, PixelSize;
    QColor Text;
  } columns[] = {{"rankEdit", 4, 25, 12, QColor(128, 0, 128)},
                 {"nameEdit", 30, 75, 11, QColor(0, 0, 128)},
                 {"scoreEdit", 108, 74, 12, QColor(0, 128, 0)}};
  for (int r = 1; r <= 10; ++r) {
    for (const auto &c : columns) {
      QLineEdit *edit = Row(c.Column, r);
      EXPECT_EQ(edit->geometry(), QRect(c.Left, 3 + 21 * (r - 1), c.Width, 22)) << c.Column << r;
      EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(219, 219, 219));
      EXPECT_EQ(edit->palette().color(QPalette::Text), c.Text) << c.Column;
      EXPECT_EQ(edit->font().family(), "Arial");
      EXPECT_TRUE(edit->font().bold());
      EXPECT_EQ(edit->font().pixelSize(), c.PixelSize) << c.Column;
    }
    EXPECT_EQ(Row("rankEdit", r)->text(), QString::number(r));
    EXPECT_TRUE(Row("rankEdit", r)->isReadOnly());
    EXPECT_TRUE(Row("scoreEdit", r)->isReadOnly());
  }
  EXPECT_EQ(CloseButton()->text(), "Close");
  EXPECT_EQ(CloseButton()->geometry(), QRect(3, 217, 180, 17));
}

TEST_F(ScoreDialogTest, MenuOpeningShowsTheTableReadOnly) {
  TModalScript script(Form, [&] {
    EXPECT_TRUE(Host.Suspended);
    EXPECT_EQ(Host.Sounds, QStringList{"Dialog"});
    EXPECT_EQ(Row("nameEdit", 1)->displayText(), "Ann   ");
    EXPECT_EQ(Row("scoreEdit", 1)->text(), "123456789");
    EXPECT_EQ(Row("scoreEdit", 2)->text(), "00001134");
    EXPECT_EQ(Row("scoreEdit", 10)->text(), "00000334");
    for (int r = 1; r <= 10; ++r) {
      QLineEdit *name = Row("nameEdit", r);
      EXPECT_TRUE(name->isReadOnly()) << r;
      const QString before = name->displayText();
      name->setFocus();
      name->setCursorPosition(0);
      QTest::keyClicks(name, "Zz9");
      QTest::keyClick(name, Qt::Key_Delete);
      EXPECT_EQ(name->displayText(), before) << "row " << r << " took typing";
    }
    QTest::mouseClick(CloseButton(), Qt::LeftButton);
  });
  Form.ShowTable(Table);
  EXPECT_FALSE(Form.isVisible());
  EXPECT_FALSE(Host.Suspended);
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

TEST_F(ScoreDialogTest, ScoreTextShownWithLeadingZeros) {
  Table[3].Score = 1234;
  Form.SetTable(Table);
  Form.show();
  EXPECT_EQ(Row("scoreEdit", 4)->text(), "00001234");
  Form.close();
}

class ScoreEntryTest : public ScoreDialogTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScoreEntryTest, EntryRowTakesTheNameAndEnterCloses) {
  const int row = GetParam();
  InsertScore(Table, row, 5000);
  const TScoreTable before = Table;
  TModalScript script(Form, [&] {
    EXPECT_TRUE(Host.Suspended);
    EXPECT_EQ(Form.focusWidget(), Row("nameEdit", row));
    for (int r = 1; r <= 10; ++r)
      EXPECT_EQ(Row("nameEdit", r)->isReadOnly(), r != row) << r;
    QTest::keyClicks(Form.focusWidget(), "Bob");
    EXPECT_EQ(Row("nameEdit", row)->displayText(), "Bob   ");
    TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, row);
  EXPECT_FALSE(Form.isVisible());
  EXPECT_FALSE(Host.Suspended);
  EXPECT_TRUE(Host.Sounds.isEmpty()) << "the game chooses the entry sound";
  for (int i = 0; i < 10; ++i) {
    const QByteArray name = i == row - 1 ? QByteArray("Bob   ") : before[i].Name;
    EXPECT_EQ(Table[i].Name, name) << "entry " << i + 1;
    EXPECT_EQ(Table[i].Score, before[i].Score) << "entry " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(ScoreTable, ScoreEntryTest, ::testing::Values(1, 4, 10));

TEST_F(ScoreDialogTest, NoNameTypedStoresSixSpaces) {
  InsertScore(Table, 2, 5000);
  TModalScript script(Form, [&] { TypeKey(Form, Qt::Key_Return); });
  Form.EnterName(Table, 2);
  EXPECT_EQ(Table[1].Name, QByteArray("      "));
  EXPECT_EQ(Table[1].Score, 5000);
}

TEST_F(ScoreDialogTest, OtherRowsKeepTheirNamesBlanksAndAll) {
  Table[5].Name = "Al Bo ";
  Table[6].Name = " X    ";
  InsertScore(Table, 2, 5000);
  TModalScript script(Form, [&] {
    QTest::keyClicks(Form.focusWidget(), "Kim");
    TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, 2);
  EXPECT_EQ(Table[1].Name, QByteArray("Kim   "));
  EXPECT_EQ(Table[6].Name, QByteArray("Al Bo "));
  EXPECT_EQ(Table[7].Name, QByteArray(" X    "));
}

TEST_F(ScoreDialogTest, NameTakesAtMostSixLettersOrDigits) {
  InsertScore(Table, 3, 5000);
  TModalScript script(Form, [&] {
    QTest::keyClicks(Form.focusWidget(), "Ab_9-cdefgh");
    TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, 3);
  EXPECT_EQ(Table[2].Name, QByteArray("Ab9cde"));
}

TEST_F(ScoreDialogTest, EnterClosesOnReleaseInAnyNameRow) {
  Form.SetTable(Table);
  Form.SetEntryRow(TScoreDialog::ViewOnly);
  Form.show();
  QLineEdit *name = Row("nameEdit", 7);
  name->setFocus();
  QTest::keyPress(name, Qt::Key_Return);
  EXPECT_TRUE(Form.isVisible()) << "a press alone does not close";
  QTest::keyRelease(name, Qt::Key_Return);
  EXPECT_FALSE(Form.isVisible());
  EXPECT_FALSE(Host.Suspended);
}

TEST_F(ScoreDialogTest, EscapeClosesOnlyWhenTheWindowItselfHasTheKey) {
  InsertScore(Table, 5, 5000);
  TModalScript script(Form, [&] {
    TypeKey(Form, Qt::Key_Escape); // the entry row has the focus
    EXPECT_TRUE(Form.isVisible());
    CloseButton()->setFocus();
    TypeKey(Form, Qt::Key_Escape);
    EXPECT_TRUE(Form.isVisible());
    Form.setFocus();
    ASSERT_EQ(Form.focusWidget(), &Form);
    TypeKey(Form, Qt::Key_Escape);
    EXPECT_FALSE(Form.isVisible());
  });
  Form.EnterName(Table, 5);
  EXPECT_FALSE(Form.isVisible());
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false}));
}

TEST_F(ScoreDialogTest, TheTableFromTheMenuClosesWithEnterEscapeOrSpace) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
    TModalScript script(Form, [&] { TypeKey(Form, key); });
    Form.ShowTable(Table);
    EXPECT_FALSE(Form.isVisible()) << "key " << key;
  }
}

TEST_F(ScoreDialogTest, ANameTakesOnlyLettersTheFileCanStore) {
  InsertScore(Table, 1, 5000);
  TModalScript script(Form, [&] {
    // As a keyboard layout sends them: each letter as the text of a key press.
    for (QChar letter : QString::fromUtf8("Zo\u0142\u00e9")) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      QCoreApplication::sendEvent(Form.focusWidget(), &press);
    }
    EXPECT_EQ(Row("nameEdit", 1)->displayText(), QString::fromUtf8("Zo\u00e9   "));
    TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, 1);
  EXPECT_EQ(Table[0].Name, QByteArray("Zo\xe9   "));
}

TEST_F(ScoreDialogTest, EveryOpeningRefillsFromTheTable) {
  Form.SetTable(Table);
  Form.SetEntryRow(3);
  Form.show();
  QTest::keyClicks(Row("nameEdit", 3), "Tmp");
  Form.close();
  Form.SetEntryRow(TScoreDialog::ViewOnly);
  Form.show();
  EXPECT_EQ(Row("nameEdit", 3)->displayText(), "Cy    ");
  EXPECT_TRUE(Row("nameEdit", 3)->isReadOnly());
  Form.close();
  EXPECT_EQ(Host.SuspendedChanges, QList<bool>({true, false, true, false}));
}

} // namespace
