#pragma once
// Decodes a stored picture (JPEG or BMP) within limits, or says why it cannot
// be used: too big (and which limit), smaller than the level's grid, damaged,
// or of an unknown type. Everything that can be checked from the headers is
// checked before the image is allocated; BMP headers are validated before Qt's
// decoder sees them.

#include "gamefile/PictureLimits.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

enum class TPictureFault { None, TooBig, SmallerThanGrid, Damaged, UnknownType };

struct TDecodedPicture {
  QImage Image;
  TPictureFault Fault = TPictureFault::None;
  // Why it cannot be used, as a clause for the player ("its picture is damaged
  // (...)").
  QString Reason;

  bool Ok() const { return Fault == TPictureFault::None; }
};

struct TPictureLimits {
  qint64 MaxPixels = PictureLimits::MaxPixels;
  int AllocationLimitMb = PictureLimits::AllocationLimitMb;
  qint64 MaxBytes = PictureLimits::MaxStoredBytes;
};

class TPictureDecoder {
public:
  TPictureDecoder() = default;
  explicit TPictureDecoder(TPictureLimits limits) : Limits(limits) {}

  // type: the stored picture type (PictureJpeg or PictureBmp). gridSize > 0:
  // the picture must also be big enough to be cut into cells of that grid size.
  TDecodedPicture DecodeFile(const QString &path, quint8 type, int gridSize = 0) const;
  TDecodedPicture Decode(const QByteArray &bytes, quint8 type, int gridSize = 0) const;

private:
  TDecodedPicture Decode(QIODevice &device, qint64 size, quint8 type, int gridSize) const;

  TPictureLimits Limits;
};
