#pragma once
// The current game as the main window holds it: layout options, skins, levels and the high-score
// table, plus the file it came from. Pictures are not held here, only the files standing for them
// (the author's source files while unsaved, otherwise working picture files).

#include "gamefile/PictureType.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// An outline drawn around a part of the play screen.
struct TBox {
  bool Draw = false;
  quint32 Colour = 0x00FFFFFF; // window colour, 0x00BBGGRR

  bool operator==(const TBox &) const = default;
};

struct TSkin {
  QString Path;
  quint8 Type = PictureNone;
  bool Stretch = true; // stretched to the window, or drawn at its own size, centred

  bool operator==(const TSkin &) const = default;
};

struct TLevel {
  QString Path;
  quint8 Type = PictureNone;
  quint8 GridSize = 44; // cell width in screen pixels; a new level gets 44

  bool operator==(const TLevel &) const = default;
};

struct TScoreEntry {
  QByteArray Name; // exactly 6 bytes, space-padded
  qint32 Score = 0;

  bool operator==(const TScoreEntry &) const = default;
};

using TScoreTable = std::array<TScoreEntry, 10>; // best first

enum TSkinKind { SkinStart, SkinPlaying, SkinGameOver };

struct TGameData {
  static constexpr int NameLength = 6;
  static constexpr int MaxLevels = 65535; // the level count is stored in 16 bits
  static constexpr quint8 BuilderFormatMark = 10;

  static QString EmptyGamePath() { return QStringLiteral("Empty Game"); }
  // Ten entries "Zanpek" with score 0: the table of a newly made game.
  static TScoreTable DefaultScores();
  // A typed name as it is stored: Latin-1, cut or padded with spaces to exactly 6 bytes.
  static QByteArray StoredName(const QString &typed);
  // What the builder's OK makes of a game: new and unsaved, with a fresh table.
  void MarkBuilt();

  quint8 FormatMark = BuilderFormatMark; // kept as read; never tested
  TBox PlayBox;
  TBox ScoreBox;
  TBox NextBox;
  TSkin StartSkin;
  TSkin PlayingSkin;
  TSkin GameOverSkin;
  QList<TLevel> Levels; // the level count is its size
  TScoreTable Scores = DefaultScores();
  QString FilePath = EmptyGamePath();
  bool Unsaved = false;

  bool operator==(const TGameData &) const = default;

  int LevelCount() const { return int(Levels.size()); }
  TSkin &Skin(TSkinKind kind);
  const TSkin &Skin(TSkinKind kind) const;
};
