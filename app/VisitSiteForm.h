#pragma once
// "Quarrybox Games": offers to open the maker's web site for more games.

#include "dialogs/DialogHost.h"

#include <functional>

class TVisitSiteForm : public TDialogForm {
  Q_OBJECT
public:
  explicit TVisitSiteForm(TDialogHost &host, QWidget *parent = nullptr);

  // Opens an address in the desktop's browser (tests replace it).
  std::function<void(const QString &)> OpenAddress;

protected:
  void keyReleaseEvent(QKeyEvent *event) override;
};
