#pragma once
// Answers the builder's questions in place of the author and records each one with whether the
// builder window was on screen while it was asked.

#include "builder/BuilderQuestions.h"

#include <QStringList>
#include <QWidget>

class TRecordingQuestions : public TBuilderQuestions {
public:
  QStringList PictureAnswer; // the answer to either file question
  std::optional<quint32> ColourAnswer;
  bool ConfirmAnswer = true;
  QStringList Asked;             // "picture:<folder>", "colour", "report:<caption>", ...
  QList<bool> VisibleWhileAsked; // one for each entry of Asked
  const QWidget *Window = nullptr;

  QString AskPicture(const QString &folder) override {
    Record("picture:" + folder);
    return PictureAnswer.value(0);
  }
  QStringList AskPictures(const QString &folder) override {
    Record("pictures:" + folder);
    return PictureAnswer;
  }
  std::optional<quint32> AskColour(quint32) override {
    Record("colour");
    return ColourAnswer;
  }
  void ShowMessage(const QString &text) override { Record("message:" + text); }
  bool Confirm(const QString &caption, const QString &) override {
    Record("confirm:" + caption);
    return ConfirmAnswer;
  }
  void ShowReport(const QString &caption, const QString &text) override {
    Record("report:" + caption + '|' + text);
  }
  void OpenHelp(const QString &address) override { Record("help:" + address); }

private:
  void Record(const QString &question) {
    Asked << question;
    VisibleWhileAsked << (Window && Window->isVisible());
  }
};
