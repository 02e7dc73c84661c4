#pragma once
// The program's one-button message window: three centred lines beside a picture, an Ok button,
// a chime, and the game held still until it is closed. The OK/Cancel box builds on it.

#include "dialogs/DialogHost.h"

class QFrame;
class QLabel;
class QPushButton;

class TMessageDialog : public TDialogForm {
  Q_OBJECT

public:
  explicit TMessageDialog(TDialogHost &host, QWidget *parent = nullptr);

  // Shows the three lines (any may be empty; a single message goes in line 2, between two empty
  // lines) and waits until the box is closed.
  void ShowMessageBox(const QString &line1, const QString &line2, const QString &line3);

protected:
  static constexpr int ButtonTop = 66;
  static constexpr int ButtonWidth = 75;
  static constexpr int ButtonHeight = 17;

  // glyph: the character drawn in the box's picture.
  TMessageDialog(TDialogHost &host, QChar glyph, QWidget *parent);

  // Sets the label to the lines and sizes the window and the rule to it, then places the
  // buttons for that size. Lines too long for the main window's width wrap.
  void SetLines(const QString &line1, const QString &line2, const QString &line3);
  // top: the buttons' top edge, lower when the text wrapped.
  virtual void PlaceButtons(int windowWidth, int top);
  QPushButton *MakeButton(const char *name, const QString &caption);

  virtual void OkClicked();
  virtual void EscapeUp();
  void FormShow() override;
  void keyReleaseEvent(QKeyEvent *event) override;

  QPushButton *OkButton;

private:
  QLabel *MessageLabel;
  QLabel *PictureLabel;
  QFrame *RuleLine;
};
