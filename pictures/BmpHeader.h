#pragma once
// The headers of a BMP file, read and checked before Qt's decoder sees the
// file. Qt's decoder trusts the colour-table size and reads a short file into a
// half-filled image; this check holds every size against the bit depth and
// against the bytes the file really has.

#include <QByteArray>
#include <QSize>
#include <QString>

struct TBmpHeader {
  enum TVerdict { Usable, Damaged, Unsupported };

  TVerdict Verdict = Damaged;
  QString Problem; // what is wrong, when not usable
  QSize Size;      // pixels, when usable
  int BitCount = 0;
  bool RunLength = false; // RLE4 or RLE8: the data may leave pixels unset

  bool IsUsable() const { return Verdict == Usable; }

  // The largest header this reads: file header, the longest info header and
  // bit-field masks.
  static constexpr int MaxHeadBytes = 14 + 124 + 12;

  // head: the first bytes of the file (up to MaxHeadBytes); fileSize: all of
  // its bytes.
  static TBmpHeader Read(const QByteArray &head, qint64 fileSize);
};
