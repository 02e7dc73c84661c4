#pragma once
// The builder's questions, asked with the builder window out of the way: it really hides while a
// file or colour dialog is open, and comes back where it was, as it was. After each of the
// program's dialogs the game is held again (not after the help page, which is the browser's): a
// message box closing in between releases it, while the builder is still open.

#include "builder/BuilderQuestions.h"

#include <QPoint>

class QWidget;
class TDialogHost;

class TStepAsideQuestions : public TBuilderQuestions {
public:
  // `window`: the builder window; `asked`: who really puts the questions.
  TStepAsideQuestions(QWidget &window, TDialogHost &host, TBuilderQuestions &asked)
      : Window(window), Host(host), Asked(asked) {}

  QString AskPicture(const QString &folder) override;
  QStringList AskPictures(const QString &folder) override;
  std::optional<quint32> AskColour(quint32 colour) override;
  void ShowMessage(const QString &text) override;
  bool Confirm(const QString &caption, const QString &text) override;
  void ShowReport(const QString &caption, const QString &text) override;
  void OpenHelp(const QString &address) override;

  // For the window as it shows: true when it is coming back from one of its dialogs, and then
  // it stands where it was before.
  bool ComeBack();

private:
  template <class TAsk> auto Aside(TAsk ask);
  void StepAside();
  void StepBack();

  QWidget &Window;
  TDialogHost &Host;
  TBuilderQuestions &Asked;
  bool Away = false;
  QPoint PositionBefore;
};
