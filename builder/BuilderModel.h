#pragma once
// The builder's own copy of a game while it is being made or edited: the three skins, the panel
// outlines, the ordered level list with a grid size per level, the selected level and the skin
// the preview shows. No widgets; the builder window only forwards its controls to it.

#include "builder/BuilderLevels.h"
#include "gamefile/GameData.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class TBuilderModel {
  Q_DECLARE_TR_FUNCTIONS(TBuilderModel)

public:
  static constexpr int MinGridSize = TBuilderLevels::MinGridSize;
  static constexpr int MaxGridSize = TBuilderLevels::MaxGridSize;
  static constexpr int NewLevelGridSize = TBuilderLevels::NewLevelGridSize;

  TBuilderModel() { WatchLevels(); }
  // A copy watches its own level list.
  TBuilderModel(const TBuilderModel &other)
      : Skins(other.Skins), Boxes(other.Boxes), LevelList(other.LevelList), Shown(other.Shown),
        PictureVisible(other.PictureVisible) {
    WatchLevels();
  }
  TBuilderModel &operator=(const TBuilderModel &other) {
    Skins = other.Skins;
    Boxes = other.Boxes;
    LevelList = other.LevelList;
    Shown = other.Shown;
    PictureVisible = other.PictureVisible;
    WatchLevels();
    return *this;
  }

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

  // The level list and the selected level; a change shows the playing skin.
  TBuilderLevels &Levels() { return LevelList; }
  const TBuilderLevels &Levels() const { return LevelList; }
  // Levels added from picture files (see TBuilderLevels::Add and Insert).
  int AddLevels(const QStringList &files) { return LevelList.Add(files); }
  int InsertLevels(const QStringList &files) { return LevelList.Insert(files); }

private:
  void WatchLevels() {
    LevelList.OnChange = [this] { Shown = SkinPlaying; };
  }

  std::array<TSkin, 3> Skins;
  std::array<TBox, 3> Boxes;
  TBuilderLevels LevelList;
  TSkinKind Shown = SkinStart;
  bool PictureVisible = true;
};
