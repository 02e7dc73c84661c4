#include "dialogs/MessageDialog.h"

#include "rules/Rounding.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int BoxHeight = 91; // the buttons end at 83; the picture's 8-pixel margin below them
constexpr int WindowWidthOverLabel = 84;
constexpr int RuleWidthOverLabel = 60;
// The widest text that keeps the box within the 600-pixel main window.
constexpr int MaxLabelWidth = 600 - WindowWidthOverLabel;

// The box's 40 x 42 picture: a glyph in a blue disc on the window's own face colour.
QPixmap Picture(QChar glyph, const QColor &face) {
  QImage image(40, 42, QImage::Format_RGB888);
  image.fill(face);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(2.5, 3.5, 35, 35);
  QRadialGradient shade(disc.center() - QPointF(6, 8), 30);
  shade.setColorAt(0, QColor(110, 160, 235));
  shade.setColorAt(1, QColor(20, 70, 170));
  painter.setPen(QPen(QColor(15, 45, 120), 1));
  painter.setBrush(shade);
  painter.drawEllipse(disc);
  QFont font(QStringLiteral("Times New Roman"));
  font.setBold(true);
  font.setPixelSize(26);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(disc, Qt::AlignCenter, QString(glyph));
  return QPixmap::fromImage(image);
}

} // namespace

TMessageDialog::TMessageDialog(TDialogHost &host, QWidget *parent)
    : TMessageDialog(host, QLatin1Char('i'), parent) {}

TMessageDialog::TMessageDialog(TDialogHost &host, QChar glyph, QWidget *parent)
    : TDialogForm(host, parent) {
  setObjectName("ShowMessageBoxForm");
  //: The caption of the game's message box
  setWindowTitle(tr("Message"));
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  MessageLabel = new QLabel(this);
  MessageLabel->setObjectName("messageLabel");
  MessageLabel->setTextFormat(Qt::PlainText); // a file name with "<" is still shown as typed
  MessageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  MessageLabel->move(59, 8);

  PictureLabel = new QLabel(this);
  PictureLabel->setObjectName("pictureLabel");
  PictureLabel->setGeometry(8, 6, 40, 42);
  PictureLabel->setPixmap(Picture(glyph, palette().color(QPalette::Window)));

  RuleLine = new QFrame(this);
  RuleLine->setObjectName("ruleLine");
  RuleLine->setFrameShape(QFrame::HLine);
  RuleLine->setFrameShadow(QFrame::Sunken);

  OkButton = MakeButton("okButton", tr("Ok"));
  connect(OkButton, &QPushButton::clicked, this, [this] { OkClicked(); });

  SetLines(QString(), QString(), QString());
}

QPushButton *TMessageDialog::MakeButton(const char *name, const QString &caption) {
  auto *button = new QPushButton(caption, this);
  button->setObjectName(name);
  // Wider where a translated caption needs it.
  const int width = std::max(ButtonWidth, button->fontMetrics().horizontalAdvance(caption) + 16);
  button->setGeometry(0, ButtonTop, width, ButtonHeight);
  return button;
}

void TMessageDialog::ShowMessageBox(const QString &line1, const QString &line2,
                                    const QString &line3) {
  SetLines(line1, line2, line3);
  Open();
}

void TMessageDialog::SetLines(const QString &line1, const QString &line2, const QString &line3) {
  MessageLabel->setWordWrap(false);
  MessageLabel->setText(line1 + "\r\n" + line2 + "\r\n" + line3);
  MessageLabel->adjustSize();
  const int oneLineEach = MessageLabel->height();
  if (MessageLabel->width() > MaxLabelWidth) {
    // No box is wider than the main window: long lines wrap, and a path may break after "/".
    QString text = MessageLabel->text();
    text.replace('/', QStringLiteral("/\u200B"));
    MessageLabel->setText(text);
    MessageLabel->setWordWrap(true);
    MessageLabel->resize(MaxLabelWidth, MessageLabel->heightForWidth(MaxLabelWidth));
  }
  const int extra = MessageLabel->height() - oneLineEach;
  const int labelWidth = MessageLabel->width();
  const int windowWidth = labelWidth + WindowWidthOverLabel;
  setFixedSize(windowWidth, BoxHeight + extra);
  RuleLine->setGeometry(8, 57 + extra, labelWidth + RuleWidthOverLabel, 3);
  PlaceButtons(windowWidth, ButtonTop + extra);
}

void TMessageDialog::PlaceButtons(int windowWidth, int top) {
  OkButton->move(CentreOffset(windowWidth, OkButton->width()), top);
}

void TMessageDialog::OkClicked() { accept(); }

void TMessageDialog::EscapeUp() { reject(); }

void TMessageDialog::FormShow() { OkButton->setFocus(); }

// Escape counts only when its release comes to the window itself; while a button has the
// focus, as it has when the box opens, the button takes the key and nothing happens.
void TMessageDialog::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && KeyReachedWindow())
    EscapeUp();
  else
    TDialogForm::keyReleaseEvent(event);
}
