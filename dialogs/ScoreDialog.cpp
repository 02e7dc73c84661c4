#include "dialogs/ScoreDialog.h"

#include "gamefile/HighScores.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor BoxColour(219, 219, 219);
const QColor RankColour(0x80, 0x00, 0x80);  // purple
const QColor NameColour(0x00, 0x00, 0x80);  // navy
const QColor ScoreColour(0x00, 0x80, 0x00); // green
// The row of the score just made: the game-over picture is covered, so the table says it.
const QColor NewScoreColour(255, 236, 140);
constexpr QSize TableSize(186, 236);

void SetBoxColour(QLineEdit *edit, const QColor &colour) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, colour);
  edit->setPalette(palette);
}

// Up to six letters or digits, empty places shown as spaces. Qt's "a" would take letters only;
// "n" is its letter-or-digit place.
const QString NameMask = QStringLiteral("nnnnnn; ");

QLineEdit *Box(QWidget *parent, const QString &name, QRect area, const QColor &text,
               int pixelSize) {
  auto *edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(area);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, text);
  edit->setPalette(palette);
  SetBoxColour(edit, BoxColour);
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(pixelSize);
  edit->setFont(font);
  return edit;
}

} // namespace

TScoreDialog::TScoreDialog(TDialogHost &host, QWidget *parent) : TDialogForm(host, parent) {
  setObjectName("ScoreDialog");
  setWindowTitle(tr("Score Table"));
  // A tool window with a title but no title-bar buttons, above every other window.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowStaysOnTopHint);
  setFixedSize(TableSize);

  NewScoreLabel = new QLabel(this);
  NewScoreLabel->setObjectName("newScoreLabel");
  NewScoreLabel->setAlignment(Qt::AlignCenter);
  NewScoreLabel->setWordWrap(true);
  QFont bold = NewScoreLabel->font();
  bold.setBold(true);
  NewScoreLabel->setFont(bold);
  NewScoreLabel->hide();

  Rows = new QWidget(this);
  Rows->setGeometry(QRect(QPoint(0, 0), TableSize));
  for (int i = 0; i < RowCount; ++i) {
    const QString number = QString::number(i + 1);
    const int top = 3 + 21 * i;
    RankEdits[i] = Box(Rows, "rankEdit" + number, {4, top, 25, 22}, RankColour, 12);
    RankEdits[i]->setReadOnly(true);
    RankEdits[i]->setText(number);
    NameEdits[i] = Box(Rows, "nameEdit" + number, {30, top, 75, 22}, NameColour, 11);
    NameEdits[i]->setInputMask(NameMask);
    NameEdits[i]->installEventFilter(this);
    ScoreEdits[i] = Box(Rows, "scoreEdit" + number, {108, top, 74, 22}, ScoreColour, 12);
    ScoreEdits[i]->setReadOnly(true);
  }

  CloseButton = new QPushButton(tr("Close"), Rows);
  CloseButton->setObjectName("closeButton");
  CloseButton->setGeometry(3, 217, 180, 17);
  connect(CloseButton, &QPushButton::clicked, this, [this] { accept(); });
}

void TScoreDialog::ShowTable(const TScoreTable &table) {
  SetTable(table);
  SetEntryRow(ViewOnly);
  Open();
}

void TScoreDialog::EnterName(TScoreTable &table, int row) {
  SetTable(table);
  SetEntryRow(row);
  exec();
  TakeNames(table, Names());
}

QStringList TScoreDialog::Names() const {
  QStringList names;
  // Qt's text() drops blank places even inside a name; the shown text keeps them, as the
  // stored name does.
  for (const QLineEdit *edit : NameEdits)
    names << edit->displayText();
  return names;
}

void TScoreDialog::FormShow() {
  for (QLineEdit *edit : NameEdits)
    edit->setReadOnly(true);
  for (int i = 0; i < RowCount; ++i) {
    NameEdits[i]->setText(QString::fromLatin1(Table[i].Name));
    ScoreEdits[i]->setText(ScoreText(Table[i].Score));
  }
  ShowNewScore();
  CentreOnScreen(); // at the height the notice gave it
  if (NameOpen()) {
    QLineEdit *entry = NameEdits[EntryRow - 1];
    entry->setReadOnly(false);
    entry->setFocus();
    entry->setCursorPosition(0); // typing fills the name from its first place
  } else {
    // Nothing to type: Enter and Space press Close at once.
    CloseButton->setFocus();
  }
}

void TScoreDialog::ShowNewScore() {
  for (int i = 0; i < RowCount; ++i) {
    const QColor colour = i == EntryRow - 1 ? NewScoreColour : BoxColour;
    for (QLineEdit *edit : {RankEdits[i], NameEdits[i], ScoreEdits[i]})
      SetBoxColour(edit, colour);
  }
  int top = 0;
  if (NameOpen()) {
    // What the name keeps is said before typing: a letter the file cannot store is refused.
    //: Under "Type your name": the game file keeps a name of Latin-1 (ISO 8859-1) letters and
    //: digits only, so letters of other scripts and such as Polish "ł", Czech "ř" or Turkish
    //: "ş" are refused as they are typed. Say which in this language's terms; short, about 180
    //: pixels wide, two lines at most.
    const QString keeps =
        tr("Up to %1 letters or digits, Western European letters only.").arg(TGameData::NameLength);
    NewScoreLabel->setText(tr("New high score: %1").arg(Table[EntryRow - 1].Score) + '\n' +
                           tr("Type your name and press Enter.") + '\n' + keeps);
    const int width = TableSize.width() - 6;
    NewScoreLabel->setGeometry(3, 4, width, NewScoreLabel->heightForWidth(width));
    top = NewScoreLabel->geometry().bottom() + 3;
  }
  NewScoreLabel->setVisible(NameOpen());
  Rows->move(0, top);
  setFixedSize(TableSize + QSize(0, top));
}

namespace {
// The file keeps one byte per letter (Latin-1): a letter beyond it would be stored as "?".
bool FitsTheFile(const QString &text) {
  for (QChar c : text)
    if (c.unicode() > 0xFF)
      return false;
  return true;
}
} // namespace

// Enter in any name edit closes the window, on release.
bool TScoreDialog::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress && !FitsTheFile(static_cast<QKeyEvent *>(event)->text()))
    return true;
  if (event->type() == QEvent::InputMethod &&
      !FitsTheFile(static_cast<QInputMethodEvent *>(event)->commitString()))
    return true;
  if (event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      accept();
      return true;
    }
  }
  return TDialogForm::eventFilter(watched, event);
}

void TScoreDialog::keyReleaseEvent(QKeyEvent *event) {
  // Escape closes the table shown from the menu wherever the focus is; while a name is typed
  // only when the key reaches the window itself.
  if (event->key() == Qt::Key_Escape && (!NameOpen() || KeyReachedWindow()))
    accept();
  else
    TDialogForm::keyReleaseEvent(event);
}
