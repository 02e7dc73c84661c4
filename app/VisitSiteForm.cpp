#include "app/VisitSiteForm.h"

#include "app/AboutForm.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TVisitSiteForm::TVisitSiteForm(TDialogHost &host, QWidget *parent) : TDialogForm(host, parent) {
  setObjectName("VisitSiteForm");
  setWindowTitle(tr("Quarrybox Games"));
  setModal(true);
  OpenAddress = [](const QString &address) { QDesktopServices::openUrl(QUrl(address)); };
  auto *layout = new QVBoxLayout(this);
  auto *text =
      new QLabel(tr("More games for Quarrybox are waiting at %1").arg(TAboutForm::WebSite), this);
  text->setObjectName("invitationLabel");
  auto *visit = new QPushButton(tr("Visit Web Site"), this);
  visit->setObjectName("visitButton");
  auto *cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName("cancelButton");
  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(visit);
  buttons->addWidget(cancel);
  buttons->addStretch();
  layout->addWidget(text);
  layout->addLayout(buttons);
  connect(visit, &QPushButton::clicked, this, [this] {
    OpenAddress(TAboutForm::WebSite);
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(sizeHint());
}

void TVisitSiteForm::keyReleaseEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape)
    reject();
  else
    TDialogForm::keyReleaseEvent(event);
}
