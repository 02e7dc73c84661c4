#pragma once
// File > Open Recent: the recent games by file name, each with its whole path as its tip, then
// "Clear". A game whose file is gone is drawn greyed but can still be chosen, which offers to
// take it off the list. Filled afresh each time it opens.

#include "app/RecentGames.h"

#include <QMenu>

#include <functional>

class TRecentGamesMenu : public QMenu {
public:
  explicit TRecentGamesMenu(QWidget *parent = nullptr);

  std::function<QList<TRecentGame>()> Entries;
  std::function<void(const QString &stored)> OnChosen;
  std::function<void()> OnClear;

protected:
  void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;

private:
  void Fill();
};
