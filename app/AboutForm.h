#pragma once
// The About window: name, version, maker and links. Modal; holds the game still while shown.

#include "dialogs/DialogHost.h"

class TAboutForm : public TDialogForm {
  Q_OBJECT
public:
  explicit TAboutForm(TDialogHost &host, QWidget *parent = nullptr);

  static const char *const WebSite;
  static const char *const MailAddress;

protected:
  void keyReleaseEvent(QKeyEvent *event) override;
};
