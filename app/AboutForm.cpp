#include "app/AboutForm.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const char *const TAboutForm::WebSite = "https://quarrybox.example.org/";
const char *const TAboutForm::MailAddress = "games@quarrybox.example.org";

TAboutForm::TAboutForm(TDialogHost &host, QWidget *parent) : TDialogForm(host, parent) {
  setObjectName("AboutForm");
  setWindowTitle(tr("About Quarrybox"));
  setModal(true);
  auto *layout = new QVBoxLayout(this);
  auto *title = new QLabel("<h2 style='color:#7a3b12'>Quarrybox</h2>", this);
  title->setAlignment(Qt::AlignCenter);
  auto *text =
      new QLabel(QStringLiteral("<p align=center>%1<br>%2</p>"
                                "<p align=center>Zanpek Systems<br>"
                                "<a href='%3'>%3</a><br><a href='mailto:%4'>%4</a></p>")
                     .arg(tr("Version %1").arg(QStringLiteral("2.0")),
                          tr("A falling-block game in which every level uncovers a picture."),
                          WebSite, MailAddress),
                 this);
  text->setObjectName("AboutText");
  text->setOpenExternalLinks(true);
  text->setTextInteractionFlags(Qt::TextBrowserInteraction);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(title);
  layout->addWidget(text);
  layout->addWidget(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TAboutForm::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return)
    accept();
  else
    TDialogForm::keyReleaseEvent(event);
}
