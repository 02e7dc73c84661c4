#pragma once
// Decodes a stored picture (JPEG or BMP) within limits, or says why it cannot
// be used: too big (and which limit), too many scans, not cut into cells by its
// grid, damaged, or of an unknown type. Everything that can be checked from the
// headers is checked before the image is allocated; BMP headers are validated
// before Qt's decoder sees them.
//
// JPEG goes through libjpeg-turbo's libjpeg API rather than Qt's reader, for
// three things Qt's reader cannot do: bound the decode's work (each scan is a
// pass over the whole picture, so a small file of many scans takes seconds; and
// coded data is read byte by byte, so a small picture may not carry megabytes
// of it): a JPEG is refused for more scans than any encoder writes, more coded
// data than its pixels can use, or more blocks decoded over all its scans than
// a picture at the limits needs; decode at 1/2, 1/4 or
// 1/8 of the size through the DCT when the picture is shown smaller, and give
// up part way when the picture is no longer wanted. A JPEG is turned upright
// as its EXIF orientation says (ExifOrientation.h).

#include "gamefile/PictureLimits.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class QIODevice;

enum class TPictureFault {
  None,
  TooBig,
  TooManyScans,
  TooMuchWork,
  SmallerThanGrid,
  Damaged,
  UnknownType,
  Abandoned
};

struct TDecodedPicture {
  QImage Image;
  // The picture's own size, upright: a JPEG whose EXIF orientation turns it a
  // quarter has its sides swapped, as Image has. The cells, the limits and the
  // shown size are all of this size. Image is smaller when it was decoded for a
  // smaller size.
  QSize StoredSize;
  TPictureFault Fault = TPictureFault::None;
  // Why it cannot be used, as a clause for the player ("its picture is damaged
  // (...)").
  QString Reason;

  bool Ok() const { return Fault == TPictureFault::None; }

  // A picture that cannot be used, and why.
  static TDecodedPicture Refused(TPictureFault fault, const QString &reason) {
    TDecodedPicture picture;
    picture.Fault = fault;
    picture.Reason = reason;
    return picture;
  }
  static TDecodedPicture DamagedBecause(const QString &detail) {
    //: Why a level's or a game's picture cannot be used; where the picture is named already, the
    //: English "its" reads "the"
    return Refused(
        TPictureFault::Damaged,
        QCoreApplication::translate("Picture", "its picture is damaged (%1)").arg(detail));
  }
};

struct TPictureLimits {
  qint64 MaxPixels = PictureLimits::MaxPixels;
  int AllocationLimitMb = PictureLimits::AllocationLimitMb;
  qint64 MaxBytes = PictureLimits::MaxStoredBytes;
  int MaxScans = PictureLimits::MaxScans;
  qint64 MaxScanBlocks = PictureLimits::MaxScanBlocks;
  qint64 MaxCodedBytes = PictureLimits::MaxCodedBytes;
  // 0: no bound by the pixels.
  qint64 MaxCodedBytesPerPixel = PictureLimits::MaxCodedBytesPerPixel;
};

// What a picture is decoded for.
struct TPictureUse {
  // A level's grid size: the picture must be cut into cells of this size (a
  // level of grid 0 cannot be). Empty for a picture that is not cut.
  std::optional<int> Grid;
  // The size the picture is shown at, from its stored size: a JPEG is decoded
  // at the smallest of 1/8, 1/4, 1/2 and 1 of its size that still covers it
  // both ways. Unset: the stored size.
  std::function<QSize(QSize stored)> ShownSize;
  // Set, from any thread, when the picture is no longer wanted: a JPEG decode
  // stops within a row of blocks.
  const std::atomic<bool> *Abandon = nullptr;

  // A level's picture as the level shows it: cut by `grid` and decoded for the size of the
  // picture on the window picture (every window size shows that by whole pixels, so more
  // decoded pixels would only be thrown away).
  static TPictureUse Level(int grid);
};

class TPictureDecoder {
public:
  TPictureDecoder() = default;
  explicit TPictureDecoder(TPictureLimits limits) : Limits(limits) {}

  // type: the stored picture type (PictureJpeg or PictureBmp). gridSize > 0:
  // the picture must also be big enough to be cut into cells of that grid size.
  TDecodedPicture DecodeFile(const QString &path, quint8 type, int gridSize = 0) const;
  TDecodedPicture Decode(const QByteArray &bytes, quint8 type, int gridSize = 0) const;
  TDecodedPicture DecodeFile(const QString &path, quint8 type, const TPictureUse &use) const;
  TDecodedPicture Decode(const QByteArray &bytes, quint8 type, const TPictureUse &use) const;

private:
  // Both types are read from the device as they are decoded: a file is never in memory whole.
  TDecodedPicture Decode(QIODevice &device, qint64 size, quint8 type, const TPictureUse &use) const;
  TDecodedPicture DecodeJpeg(QIODevice &device, const TPictureUse &use) const;
  TDecodedPicture DecodeBmp(QIODevice &device, qint64 size, const TPictureUse &use) const;
  // The refusal for a picture of this size, or nothing when it may be decoded.
  std::optional<TDecodedPicture> CheckSize(QSize stored, qint64 decodeBytes,
                                           const TPictureUse &use) const;

  TPictureLimits Limits;
};
