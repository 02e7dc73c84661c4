#pragma once
// "Quarrybox Games": offers to open the maker's web site for more games.

#include <QDialog>

#include <functional>

class TVisitSiteForm : public QDialog {
  Q_OBJECT
public:
  explicit TVisitSiteForm(QWidget *parent = nullptr);

  std::function<void(bool)> OnSuspend;
  // Opens an address in the desktop's browser (tests replace it).
  std::function<void(const QString &)> OpenAddress;

protected:
  void showEvent(QShowEvent *event) override;
  void done(int result) override;
};
