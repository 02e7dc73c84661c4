#include "app/GameMessages.h"

#include "app/GameDialogs.h"
#include "app/Trace.h"

#include <QCoreApplication>
#include <QDebug>

void TGameMessages::ReportFailure(const TStatus &status) const {
  if (!status.Ok())
    Report(status.Error());
}

void TGameMessages::Report(const QString &text) const {
  Trace::Event("message", "Message||" + text + '|');
  if (Closing) {
    qWarning().noquote() << text;
    return;
  }
  if (Dialogs)
    Dialogs->ShowMessageBox("", text, "");
}

bool TGameMessages::ConfirmStop() const {
  Trace::Event("message", "Confirm Stop Game||Really Stop Current Game?!|");
  return Dialogs &&
         Dialogs->ShowConfirmBox(QCoreApplication::translate("TGame", "Confirm Stop Game"), "",
                                 QCoreApplication::translate("TGame", "Really Stop Current Game?!"),
                                 "") == 1;
}
