#pragma once
// Everything the builder asks its author through other windows: picture files, a colour, a
// message, a report, a yes-or-no question and the help page. The program answers with real dialogs;
// tests answer in place of the author.

#include <QString>
#include <QStringList>

#include <optional>

class TBuilderQuestions {
public:
  virtual ~TBuilderQuestions() = default;

  // One picture file, starting in `folder`; empty when cancelled.
  virtual QString AskPicture(const QString &folder) = 0;
  // Several picture files in the order chosen; empty when cancelled.
  virtual QStringList AskPictures(const QString &folder) = 0;
  // A colour as a window colour value (0x00BBGGRR), starting from `colour`; none when cancelled.
  virtual std::optional<quint32> AskColour(quint32 colour) = 0;
  // The program's message box, the text as its middle line.
  virtual void ShowMessage(const QString &text) = 0;
  // The program's OK/Cancel box; true only for OK.
  virtual bool Confirm(const QString &caption, const QString &text) = 0;
  // A longer text of several lines, such as the pictures that could not be added.
  virtual void ShowReport(const QString &caption, const QString &text) = 0;
  // A page in the desktop's browser.
  virtual void OpenHelp(const QString &address) = 0;
};
