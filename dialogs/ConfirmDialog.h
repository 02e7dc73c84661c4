#pragma once
// The program's OK/Cancel box: the message box with a second button and a result. Cancel holds
// the focus when it opens, so Enter cancels.

#include "dialogs/MessageDialog.h"

class TConfirmDialog : public TMessageDialog {
  Q_OBJECT

public:
  static constexpr int ResultNone = -1; // closed by the title-bar close box
  static constexpr int ResultOk = 1;
  static constexpr int ResultCancel = 2; // Cancel or Escape

  explicit TConfirmDialog(TDialogHost &host, QWidget *parent = nullptr);

  // Shows the box with this caption and lines and waits; returns the result.
  int ShowConfirmBox(const QString &caption, const QString &line1, const QString &line2,
                     const QString &line3);
  int Result() const { return ResultField; }

protected:
  void PlaceButtons(int windowWidth, int top) override;
  void OkClicked() override;
  void EscapeUp() override;
  void FormShow() override;

private:
  void CancelClicked();

  QPushButton *CancelButton;
  int ResultField = ResultNone;
};
