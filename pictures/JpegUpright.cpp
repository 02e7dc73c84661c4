#include "pictures/JpegUpright.h"

#include "gamefile/PictureType.h"
#include "gamefile/WriteAll.h"
#include "pictures/ExifOrientation.h"
#include "pictures/PictureDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <memory>
#include <optional>

#include <turbojpeg.h>

namespace {

constexpr int ReencodeQuality = 95;
// The EXIF block comes before the first scan; a phone's is well within this.
constexpr qint64 HeadBytes = qint64(256) * 1024;

using THandle = std::unique_ptr<void, decltype(&tjDestroy)>;

// The TurboJPEG operation that undoes each orientation (2 to 8).
TJXOP TransformOf(int orientation) {
  switch (orientation) {
  case 2:
    return TJXOP_HFLIP;
  case 3:
    return TJXOP_ROT180;
  case 4:
    return TJXOP_VFLIP;
  case 5:
    return TJXOP_TRANSPOSE;
  case 6:
    return TJXOP_ROT90;
  case 7:
    return TJXOP_TRANSVERSE;
  case 8:
    return TJXOP_ROT270;
  default:
    return TJXOP_NONE;
  }
}

// Takes TurboJPEG's buffer into a QByteArray and frees it.
QByteArray Taken(unsigned char *buffer, unsigned long size) {
  QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
  tjFree(buffer);
  return bytes;
}

std::optional<QByteArray> Lossless(const QByteArray &jpeg, int orientation) {
  const THandle handle(tjInitTransform(), tjDestroy);
  if (!handle)
    return std::nullopt;
  tjtransform transform{};
  transform.op = TransformOf(orientation);
  transform.options = TJXOPT_PERFECT | TJXOPT_COPYNONE;
  unsigned char *out = nullptr;
  unsigned long outSize = 0;
  const int failed = tjTransform(
      handle.get(), reinterpret_cast<const unsigned char *>(jpeg.constData()),
      static_cast<unsigned long>(jpeg.size()), 1, &out, &outSize, &transform, TJFLAG_LIMITSCANS);
  if (failed) {
    tjFree(out);
    return std::nullopt;
  }
  return Taken(out, outSize);
}

TResult<QByteArray> Reencoded(const QByteArray &jpeg) {
  // The game's decoder, with its limits, turns the pixels upright itself.
  const TDecodedPicture picture = TPictureDecoder().Decode(jpeg, PictureJpeg);
  if (!picture.Ok())
    return TStatus::Failure(picture.Reason);
  const QImage pixels = picture.Image.convertToFormat(QImage::Format_RGBX8888);
  const THandle handle(tjInitCompress(), tjDestroy);
  unsigned char *out = nullptr;
  unsigned long outSize = 0;
  if (!handle || tjCompress2(handle.get(), pixels.constBits(), pixels.width(),
                             int(pixels.bytesPerLine()), pixels.height(), TJPF_RGBX, &out, &outSize,
                             TJSAMP_444, ReencodeQuality, TJFLAG_ACCURATEDCT) != 0) {
    tjFree(out);
    return TStatus::Failure(QCoreApplication::translate("Picture", "it cannot be encoded upright"));
  }
  return Taken(out, outSize);
}

} // namespace

TResult<TUprightJpeg> UprightJpeg(const QByteArray &jpeg, int orientation) {
  if (std::optional<QByteArray> moved = Lossless(jpeg, orientation))
    return TUprightJpeg{*moved, TUprightWay::Lossless};
  TResult<QByteArray> encoded = Reencoded(jpeg);
  if (!encoded.Ok())
    return encoded.Status();
  return TUprightJpeg{encoded.Value(), TUprightWay::Reencoded};
}

TResult<QString> UprightJpegFile(const QString &file, const QString &copy) {
  QFile in(file);
  // Whoever reads it next says why it cannot be read, as for any other picture.
  if (!in.open(QIODevice::ReadOnly))
    return file;
  const QByteArray head = in.read(HeadBytes);
  const int orientation =
      ExifOrientation::FromJpeg(reinterpret_cast<const uchar *>(head.constData()), head.size());
  if (orientation == ExifOrientation::AsStored)
    return file;
  in.seek(0);
  const QByteArray jpeg = in.readAll();
  if (jpeg.size() != in.size())
    return TStatus::Failure(
        QCoreApplication::translate("Picture", "cannot be read (%1)").arg(in.errorString()));
  const TResult<TUprightJpeg> upright = UprightJpeg(jpeg, orientation);
  if (!upright.Ok())
    return TStatus::Failure(QCoreApplication::translate("Picture", "cannot be turned upright (%1)")
                                .arg(upright.Error()));
  // Unbuffered, so that every write is checked: a commit after a short write has been seen to
  // succeed on a full disk.
  QSaveFile out(copy);
  const auto cannotWrite = [&copy](const QString &why) {
    return TStatus::Failure(
        QCoreApplication::translate("Picture", "cannot be written to %1 (%2)").arg(copy, why));
  };
  if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(out, upright->Bytes)) {
    const QString why = out.errorString();
    out.cancelWriting();
    out.commit(); // discards the temporary file
    return cannotWrite(why);
  }
  if (!out.commit())
    return cannotWrite(out.errorString());
  return copy;
}
