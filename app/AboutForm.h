#pragma once
// The About window: name, version, maker and links. Modal; holds the game still while shown.

#include <QDialog>

#include <functional>

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *parent = nullptr);

  // Called with true when shown and false on every way of closing.
  std::function<void(bool)> OnSuspend;

  static const char *const WebSite;
  static const char *const MailAddress;

protected:
  void showEvent(QShowEvent *event) override;
  void done(int result) override;
};
