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
  setWindowTitle("About Quarrybox");
  setModal(true);
  auto *layout = new QVBoxLayout(this);
  auto *title = new QLabel("<h2 style='color:#7a3b12'>Quarrybox</h2>", this);
  title->setAlignment(Qt::AlignCenter);
  auto *text = new QLabel(
      QStringLiteral("<p align=center>Version 2.0<br>A falling-block game in which every "
                     "level uncovers a picture.</p>"
                     "<p align=center>Zanpek Systems<br>"
                     "<a href='%1'>%1</a><br><a href='mailto:%2'>%2</a></p>")
          .arg(WebSite, MailAddress),
      this);
  text->setObjectName("AboutText");
  text->setOpenExternalLinks(true);
  text->setTextInteractionFlags(Qt::TextBrowserInteraction);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OkButton");
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
