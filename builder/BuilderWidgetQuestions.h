#pragma once
// The builder's questions put as the program's dialogs: the open dialogs for pictures, the
// colour dialog, the program's own message and OK/Cancel boxes, a system message box for
// reports and the desktop's browser.

#include "builder/BuilderQuestions.h"

class QWidget;
class TDialogHost;

class TBuilderWidgetQuestions : public TBuilderQuestions {
public:
  TBuilderWidgetQuestions(TDialogHost &host, QWidget *parent) : Host(host), Parent(parent) {}

  QString AskPicture(const QString &folder) override;
  QStringList AskPictures(const QString &folder) override;
  std::optional<quint32> AskColour(quint32 colour) override;
  void ShowMessage(const QString &text) override;
  bool Confirm(const QString &caption, const QString &text) override;
  void ShowReport(const QString &caption, const QString &text) override;
  void OpenHelp(const QString &address) override;

private:
  TDialogHost &Host;
  QWidget *Parent;
};
