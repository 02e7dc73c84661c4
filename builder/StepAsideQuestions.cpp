#include "builder/StepAsideQuestions.h"

#include "dialogs/DialogHost.h"

#include <QWidget>

template <class TAsk> auto TStepAsideQuestions::Aside(TAsk ask) {
  StepAside();
  auto answer = ask();
  StepBack();
  return answer;
}

QString TStepAsideQuestions::AskPicture(const QString &folder) {
  return Aside([&] { return Asked.AskPicture(folder); });
}

QStringList TStepAsideQuestions::AskPictures(const QString &folder) {
  return Aside([&] { return Asked.AskPictures(folder); });
}

std::optional<quint32> TStepAsideQuestions::AskColour(quint32 colour) {
  return Aside([&] { return Asked.AskColour(colour); });
}

void TStepAsideQuestions::ShowMessage(const QString &text) {
  Asked.ShowMessage(text);
  StepBack();
}

bool TStepAsideQuestions::Confirm(const QString &caption, const QString &text) {
  const bool sure = Asked.Confirm(caption, text);
  StepBack();
  return sure;
}

void TStepAsideQuestions::ShowReport(const QString &caption, const QString &text) {
  Asked.ShowReport(caption, text);
  StepBack();
}

void TStepAsideQuestions::OpenHelp(const QString &address) { Asked.OpenHelp(address); }

bool TStepAsideQuestions::ComeBack() {
  if (!Away)
    return false;
  Away = false;
  Window.move(PositionBefore);
  return true;
}

void TStepAsideQuestions::StepAside() {
  if (!Window.isVisible())
    return;
  Away = true;
  PositionBefore = Window.pos();
  Window.hide();
}

void TStepAsideQuestions::StepBack() {
  if (Away)
    Window.show();
  if (Window.isVisible())
    Host.SetSuspended(true);
}
