#pragma once
// The builder's own copy of a game while it is being made or edited: the three skins, the panel
// outlines, the ordered level list with a grid size per level, the selected level and the skin
// the preview shows. No widgets; the builder window only forwards its controls to it.

#include "gamefile/GameData.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class TBuilderModel {
  Q_DECLARE_TR_FUNCTIONS(TBuilderModel)

public:
  static constexpr int MinGridSize = 16;
  static constexpr int MaxGridSize = 70;
  static constexpr int NewLevelGridSize = 44;

  // Create Game: no levels, no current level, three empty skins, the start skin shown. The
  // stretch flags and panel outlines are untouched; they come from the game at every showing.
  void Reset();
  // Edit Game: skins and levels of `game`, level 1 current, the start skin shown.
  void FillFrom(const TGameData &game);
  // At every showing: stretch flags, draw flags and box colours of `game`.
  void TakeLayout(const TGameData &game);
  // Draw flags and box colours, which reach the game as soon as they are changed.
  void ApplyBoxes(TGameData &game) const;
  // OK: everything the builder holds goes into `game`, which becomes an unsaved game of the
  // builder's format, at level 1, with a fresh score table.
  void ApplyTo(TGameData &game) const;

  // The first failing OK check's message; empty when the game may be taken.
  QString Validate() const;

  const TSkin &Skin(TSkinKind kind) const { return Skins[size_t(kind)]; }
  // Stored with its type from the name, even when that type is unknown: OK refuses it later.
  void SetSkin(TSkinKind kind, const QString &path);
  void SetStretch(TSkinKind kind, bool stretch) { Skins[size_t(kind)].Stretch = stretch; }

  TSkinKind ShownSkin() const { return Shown; }
  void SetShownSkin(TSkinKind kind) { Shown = kind; }
  // The level buttons and grid bar act only while the playing skin is shown.
  bool LevelControlsEnabled() const { return Shown == SkinPlaying; }
  bool LevelPictureVisible() const { return PictureVisible; }
  void SetLevelPictureVisible(bool visible) { PictureVisible = visible; }

  TBox &Box(int index) { return Boxes[size_t(index)]; } // 0 play, 1 score, 2 next
  const TBox &Box(int index) const { return Boxes[size_t(index)]; }

  const QList<TLevel> &Levels() const { return LevelList; }
  int LevelCount() const { return int(LevelList.size()); }
  int CurrentLevel() const { return Current; } // 1-based; 0 when there is none
  const TLevel *CurrentLevelData() const;
  // The grid size of the current level, or the bar's minimum when there is none.
  int CurrentGridSize() const;

  // Each file of a known picture type becomes a level of grid size 44 and the current level;
  // the others are skipped. Adding appends; inserting puts each directly after the current
  // level, so several files keep their order. Both show the playing skin when anything was
  // taken. Returns the number of levels taken.
  int AddLevels(const QStringList &files);
  int InsertLevels(const QStringList &files);
  // The following levels move down; deleting the last level selects the new last one.
  bool DeleteCurrentLevel();
  // Up swaps with the following level, Down with the preceding one; the selection follows.
  // False (nothing changed) at the ends of the list or with no level.
  bool MoveCurrentUp();
  bool MoveCurrentDown();
  bool SelectFirst();
  bool SelectPrevious();
  bool SelectNext();
  bool SelectLast();
  // False with no current level or a number outside the list.
  bool SelectLevel(int level);
  // False when there is no current level; otherwise clamped to 16..70 and stored.
  bool SetGridSize(int size);

private:
  int TakeLevels(const QStringList &files, bool insert);
  bool SwapCurrentWith(int other);

  std::array<TSkin, 3> Skins;
  std::array<TBox, 3> Boxes;
  QList<TLevel> LevelList;
  int Current = 0;
  TSkinKind Shown = SkinStart;
  bool PictureVisible = true;
};
