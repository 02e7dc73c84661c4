#pragma once
// Where a game's bytes are: a whole ".qbx" file, or a byte range of a larger file (a game
// appended to a stand-alone executable, whose offsets count from the start of the range).

#include <QString>

class TGameSource {
public:
  // The whole file. Implicit, so every operation takes a plain path as well.
  TGameSource(QString path) : FilePath(std::move(path)) {}
  // The bytes [base, base + size) of the file.
  static TGameSource Range(QString path, qint64 base, qint64 size);

  const QString &Path() const { return FilePath; }
  bool IsRange() const { return HasRange; }
  qint64 Base() const { return RangeBase; }
  qint64 Size() const { return RangeSize; } // of a range only

  // How messages name it: "Space.qbx", or "Space (game at byte 2044928)".
  QString Name() const;

private:
  QString FilePath;
  bool HasRange = false;
  qint64 RangeBase = 0;
  qint64 RangeSize = 0;
};
