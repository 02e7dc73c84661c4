#include "app/WindowCaption.h"

#include "app/CommandLine.h"
#include "app/Trace.h"

#include <QCoreApplication>

void TWindowCaption::ShowGame(const QString &filePath) {
  SetTitle("Quarrybox - " + ShownGameName(filePath));
}

void TWindowCaption::ShowEmptyGame() {
  SetTitle(QCoreApplication::translate("TGame", "Empty Game"));
}

void TWindowCaption::SetTitle(const QString &title) {
  Title = title;
  Show(Title);
}

void TWindowCaption::SetAway(bool away) {
  Show(away ? QCoreApplication::translate("TGame", "%1 [Away]").arg(Title) : Title);
}

void TWindowCaption::PauseChanged(TPauseChange change, const TPlaySession &) {
  Show(change == TPauseChange::Paused
           ? QCoreApplication::translate("TGame", "%1 [Pause]").arg(Title)
           : Title);
}

void TWindowCaption::Show(const QString &text) {
  if (text == CaptionText)
    return;
  CaptionText = text;
  Trace::Event("caption", text);
  if (OnChanged)
    OnChanged();
}
