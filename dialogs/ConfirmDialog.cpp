#include "dialogs/ConfirmDialog.h"

#include "rules/Rounding.h"

#include <QPushButton>

namespace {
constexpr int ButtonGap = 15;
}

TConfirmDialog::TConfirmDialog(TDialogHost &host, QWidget *parent)
    : TMessageDialog(host, QLatin1Char('?'), parent) {
  setObjectName("ShowMessageOCBoxForm");
  CancelButton = MakeButton("cancelButton", tr("Cancel"));
  QWidget::setTabOrder(CancelButton, OkButton);
  connect(CancelButton, &QPushButton::clicked, this, [this] { CancelClicked(); });
  PlaceButtons(width(), ButtonTop);
}

int TConfirmDialog::ShowConfirmBox(const QString &caption, const QString &line1,
                                   const QString &line2, const QString &line3) {
  setWindowTitle(caption);
  SetLines(line1, line2, line3);
  Open();
  return ResultField;
}

void TConfirmDialog::PlaceButtons(int windowWidth, int top) {
  // The pair is centred as one block, Ok on the left.
  const int left = CentreOffset(windowWidth, OkButton->width() + CancelButton->width() + ButtonGap);
  OkButton->move(left, top);
  CancelButton->move(left + OkButton->width() + ButtonGap, top);
}

void TConfirmDialog::OkClicked() {
  ResultField = ResultOk;
  accept();
}

void TConfirmDialog::CancelClicked() {
  ResultField = ResultCancel;
  reject();
}

void TConfirmDialog::EscapeUp() {
  ResultField = ResultCancel;
  reject();
}

void TConfirmDialog::FormShow() {
  ResultField = ResultNone;
  CancelButton->setFocus();
}
