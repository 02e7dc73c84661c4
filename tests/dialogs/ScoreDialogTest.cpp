#include "DialogDriver.h"

#include "dialogs/ScoreDialog.h"
#include "gamefile/HighScores.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
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

// Keys down when the name entry opens (the drop key of the last piece) type nothing into it; keys
// pressed after it opened do, as the X server and Qt deliver them.
struct THeldKeysCase {
  const char *Name;
  QList<Qt::Key> DownAtOpening;
  struct TKey {
    QEvent::Type Type;
    Qt::Key Key;
    bool AutoRepeat;
    quint64 Time;
  };
  QList<TKey> Keys;
  const char *Shown; // the entry row's name afterwards
  bool Open;         // the table is still open
};

void PrintTo(const THeldKeysCase &c, std::ostream *os) { *os << c.Name; }

constexpr auto Press = QEvent::KeyPress;
constexpr auto Release = QEvent::KeyRelease;

class ScoreHeldKeysTest : public ScoreDialogTest,
                          public ::testing::WithParamInterface<THeldKeysCase> {};

TEST_P(ScoreHeldKeysTest, KeysDownAtOpeningTypeNothing) {
  const THeldKeysCase &c = GetParam();
  Host.KeysDown = [down = c.DownAtOpening](const QKeyEvent &e) {
    return down.contains(Qt::Key(e.key()));
  };
  InsertScore(Table, 2, 5000);
  TModalScript script(Form, [&] {
    for (const auto &k : c.Keys)
      SendKey(Form, k.Type, k.Key, k.AutoRepeat, k.Time);
    EXPECT_EQ(Row("nameEdit", 2)->displayText(), c.Shown);
    EXPECT_EQ(Form.isVisible(), c.Open);
    if (Form.isVisible())
      TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, 2);
  EXPECT_FALSE(Form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    ScoreTable, ScoreHeldKeysTest,
    ::testing::Values(
        // X11 with press-only repeats: a held key repeats as plain presses, then one release.
        THeldKeysCase{"SpaceRepeatingAsPresses",
                      {Qt::Key_Space},
                      {{Press, Qt::Key_Space, false, 700},
                       {Press, Qt::Key_Space, false, 740},
                       {Release, Qt::Key_Space, false, 900},
                       {Press, Qt::Key_A, false, 1200},
                       {Release, Qt::Key_A, false, 1250}},
                      "a     ",
                      true},
        // Qt's own detection (X11 pairs, Wayland): repeats marked as such.
        THeldKeysCase{"SpaceRepeatingMarked",
                      {Qt::Key_Space},
                      {{Press, Qt::Key_Space, true, 700},
                       {Release, Qt::Key_Space, true, 740},
                       {Press, Qt::Key_Space, true, 740},
                       {Release, Qt::Key_Space, false, 900},
                       {Press, Qt::Key_B, false, 1200},
                       {Release, Qt::Key_B, false, 1250}},
                      "b     ",
                      true},
        // An X11 repeat pair Qt did not see as one: an unmarked release and press at one time.
        // The key is still held; its real release ends it, and a new press types.
        THeldKeysCase{"SpaceRepeatPairUnmarked",
                      {Qt::Key_Space},
                      {{Release, Qt::Key_Space, false, 700},
                       {Press, Qt::Key_Space, false, 700},
                       {Release, Qt::Key_Space, false, 950},
                       {Press, Qt::Key_Space, false, 1100},
                       {Release, Qt::Key_Space, false, 1150},
                       {Press, Qt::Key_C, false, 1200},
                       {Release, Qt::Key_C, false, 1250}},
                      " c    ",
                      true},
        // Enter closes the table on release, but not the release of an Enter held before.
        THeldKeysCase{"ReturnHeldAtOpening",
                      {Qt::Key_Return},
                      {{Press, Qt::Key_Return, false, 700},
                       {Release, Qt::Key_Return, false, 800},
                       {Press, Qt::Key_D, false, 1200},
                       {Release, Qt::Key_D, false, 1250}},
                      "d     ",
                      true},
        // The release of a key pressed before, even one the game does not track, is not a key of
        // the table; keys pressed in the table, held or not, are.
        THeldKeysCase{"KeysPressedInTheTable",
                      {},
                      {{Release, Qt::Key_Return, false, 600},
                       {Press, Qt::Key_E, false, 700},
                       {Press, Qt::Key_E, true, 1200},
                       {Release, Qt::Key_E, false, 1250},
                       {Press, Qt::Key_Return, false, 1300},
                       {Release, Qt::Key_Return, false, 1350}},
                      "ee    ",
                      false}),
    [](const auto &row) { return std::string(row.param.Name); });

TEST_F(ScoreDialogTest, TheNameEntrySaysANewHighScoreWasMadeAndMarksItsRow) {
  InsertScore(Table, 4, 5000);
  TModalScript script(Form, [&] {
    auto *notice = Form.findChild<QLabel *>("newScoreLabel");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "New high score: 5000\nType your name and press Enter.\nUp to 6 "
                              "letters or digits, Western European letters only.");
    // The notice stands above the rows, whole, and the window grew by it.
    const QRect name1(Row("nameEdit", 1)->mapTo(&Form, QPoint(0, 0)), Row("nameEdit", 1)->size());
    EXPECT_GT(name1.top(), notice->geometry().bottom());
    EXPECT_GE(notice->height(), notice->heightForWidth(notice->width()));
    EXPECT_EQ(Form.height(), 236 + name1.top() - 3);
    EXPECT_EQ(Form.width(), 186);
    // Centred at the size it has with the notice.
    const QRect screen = Form.screen()->geometry();
    EXPECT_EQ(Form.frameGeometry().top(),
              screen.top() + (screen.height() - Form.frameGeometry().height()) / 2);
    for (int r = 1; r <= 10; ++r)
      for (const char *column : {"rankEdit", "nameEdit", "scoreEdit"}) {
        const QColor base = Row(column, r)->palette().color(QPalette::Base);
        EXPECT_EQ(base == QColor(219, 219, 219), r != 4) << column << r;
      }
    TypeKey(Form, Qt::Key_Return);
  });
  Form.EnterName(Table, 4);

  // From the menu: no notice, no marked row, the designed size.
  TModalScript menu(Form, [&] {
    const auto *notice = Form.findChild<QLabel *>("newScoreLabel");
    EXPECT_TRUE(notice == nullptr || !notice->isVisible());
    EXPECT_EQ(Form.size(), QSize(186, 236));
    for (int r = 1; r <= 10; ++r)
      EXPECT_EQ(Row("nameEdit", r)->palette().color(QPalette::Base), QColor(219, 219, 219));
    TypeKey(Form, Qt::Key_Escape);
  });
  Form.ShowTable(Table);
}

} // namespace
