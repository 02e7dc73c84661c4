#include "dialogs/ConfirmBoxForm.h"

#include "play/Rounding.h"

#include <QPushButton>

namespace {
constexpr int ButtonGap = 15;
}

TShowMessageOCBoxForm::TShowMessageOCBoxForm(TDialogHost &host, QWidget *parent)
    : TShowMessageBoxForm(host, QLatin1Char('?'), parent) {
  setObjectName("ShowMessageOCBoxForm");
  Button2 = MakeButton("Button2", "Cancel");
  QWidget::setTabOrder(Button2, Button1);
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  PlaceButtons(width(), ButtonTop);
}

int TShowMessageOCBoxForm::ShowConfirmBox(const QString &caption, const QString &line1,
                                          const QString &line2, const QString &line3) {
  setWindowTitle(caption);
  SetLines(line1, line2, line3);
  Open();
  return ResultField;
}

void TShowMessageOCBoxForm::PlaceButtons(int windowWidth, int top) {
  // The pair is centred as one block, Ok on the left.
  const int left = CentreOffset(windowWidth, Button1->width() + Button2->width() + ButtonGap);
  Button1->move(left, top);
  Button2->move(left + Button1->width() + ButtonGap, top);
}

void TShowMessageOCBoxForm::Button1Click() {
  ResultField = ResultOk;
  accept();
}

void TShowMessageOCBoxForm::Button2Click() {
  ResultField = ResultCancel;
  reject();
}

void TShowMessageOCBoxForm::EscapeUp() {
  ResultField = ResultCancel;
  reject();
}

void TShowMessageOCBoxForm::FormShow() {
  ResultField = ResultNone;
  Button2->setFocus();
}
