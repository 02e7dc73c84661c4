#pragma once
// The builder's ordered level list: a grid size per level and the selected (current) level,
// counted from 1. Every change calls OnChange, which the builder uses to show the playing skin.

#include "gamefile/GameData.h"

#include <QList>
#include <QStringList>

#include <functional>

class TBuilderLevels {
public:
  static constexpr int MinGridSize = 16;
  static constexpr int MaxGridSize = 70;
  static constexpr int NewLevelGridSize = 44;

  std::function<void()> OnChange;

  // The list of a game, its first level current (none for no level).
  void Fill(const QList<TLevel> &levels);
  const QList<TLevel> &All() const { return List; }
  int Count() const { return int(List.size()); }
  int Current() const { return CurrentLevel; } // 1-based; 0 when there is none
  const TLevel *CurrentData() const;
  // The grid size of the current level, or the bar's minimum when there is none.
  int CurrentGridSize() const;
  // Each file of a known picture type becomes a level of grid size 44 and the current level;
  // the others are skipped. Adding appends; inserting puts each directly after the current
  // level, so several files keep their order. Returns the number of levels taken.
  int Add(const QStringList &files) { return Take(files, false); }
  int Insert(const QStringList &files) { return Take(files, true); }
  // The following levels move down; deleting the last level selects the new last one.
  bool DeleteCurrent();
  // Up swaps with the following level, Down with the preceding one; the selection follows.
  // False (nothing changed) at the ends of the list or with no level.
  bool MoveCurrentUp() { return SwapCurrentWith(CurrentLevel + 1); }
  bool MoveCurrentDown() { return CurrentLevel > 1 && SwapCurrentWith(CurrentLevel - 1); }
  bool SelectFirst() { return Select(1); }
  bool SelectPrevious() { return CurrentLevel > 1 && Select(CurrentLevel - 1); }
  bool SelectNext() { return Select(CurrentLevel + 1); }
  bool SelectLast() { return Select(Count()); }
  // False with no current level or a number outside the list.
  bool Select(int level);
  // False when there is no current level; otherwise clamped to 16..70 and stored.
  bool SetGridSize(int size);

private:
  int Take(const QStringList &files, bool insert);
  bool SwapCurrentWith(int other);
  void Changed();

  QList<TLevel> List;
  int CurrentLevel = 0;
};
