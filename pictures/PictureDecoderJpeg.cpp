// The JPEG half of the picture decoder: libjpeg with the scans and the coded data counted before
// decoding, the blocks of every scan counted as it begins, reduced-size decoding, a memory cap,
// a progress callback that can abandon the decode, and the EXIF orientation applied, so that a
// phone's portrait photo is decoded upright at every size.
#include "pictures/PictureDecoder.h"

#include "pictures/ExifOrientation.h"
#include "pictures/JpegScanCounter.h"
#include "pictures/JpegSession.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <array>

namespace {

// Decoded pictures are converted to 32-bit pixels to be cut into cells: that is
// what they cost.
constexpr qint64 BytesPerPixel = 4;
// A progressive or multi-scan JPEG keeps every DCT coefficient of the whole
// picture while its scans come in: 64 of 2 bytes per block of 8 x 8 samples.
constexpr qint64 BytesPerBlock = sizeof(JBLOCK);

// The scans of the JPEG on `device` and its coded data, counted up to the limits; the device is
// left where it was.
TJpegScanCounter CountScans(QIODevice &device, const TPictureLimits &limits) {
  const qint64 start = device.pos();
  TJpegScanCounter counter(limits.MaxScans, {limits.MaxCodedBytesPerPixel,
                                             PictureLimits::CodedBytesSlack, limits.MaxCodedBytes});
  std::array<char, JpegPieceBytes> piece;
  qint64 got = 0;
  while ((got = device.read(piece.data(), JpegPieceBytes)) > 0 &&
         counter.Feed(reinterpret_cast<const uchar *>(piece.data()), got)) {
  }
  device.seek(start);
  return counter;
}

TDecodedPicture TooMuchCodedData(const TJpegScanCounter &counted) {
  return TDecodedPicture::Refused(
      TPictureFault::TooMuchWork,
      QCoreApplication::translate("Picture", "its picture holds more coded data than its pixels "
                                             "can use (more than %1 bytes for %2 x %3 pixels)")
          .arg(counted.CodedBytesAllowed())
          .arg(counted.Frame().width())
          .arg(counted.Frame().height()));
}

// Adobe's CMYK JPEGs store their inks inverted, which is what Qt assumes too.
void CmykToRgb(const JSAMPLE *cmyk, QRgb *out, int width) {
  for (int x = 0; x < width; ++x, cmyk += 4) {
    const int k = cmyk[3];
    out[x] = qRgb(k * cmyk[0] / 255, k * cmyk[1] / 255, k * cmyk[2] / 255);
  }
}

struct TJpegPlan {
  QSize Stored; // as the pixels are stored, before the orientation is applied
  int Orientation = ExifOrientation::AsStored;
  QSize Output;
  bool Cmyk = false;
  qint64 DecodeBytes = 0;
};

// The JPEG steps that libjpeg may leave by longjmp; `decide` is called with the header's facts
// and says whether to go on. Plain data only in this frame.
bool RunJpeg(TJpegSession &session, QIODevice &device, QImage &image,
             const std::function<bool(TJpegPlan &, jpeg_decompress_struct &)> &decide) {
  jpeg_decompress_struct &info = session.Info;
  if (setjmp(session.Jump) != 0)
    return false;
  ReadFrom(session, device);
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    session.Fault = QT_TRANSLATE_NOOP("Picture", "no picture, only tables");
    return false;
  }
  TJpegPlan plan;
  if (!decide(plan, info))
    return true; // refused by the caller, who says why
  image = QImage(plan.Output, QImage::Format_RGB32);
  if (image.isNull()) {
    session.Fault = QT_TRANSLATE_NOOP("Picture", "no memory for %1 x %2 pixels");
    session.FaultSize = plan.Output;
    return false;
  }
  jpeg_start_decompress(&info);
  JSAMPARRAY cmykRow = plan.Cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                             JPOOL_IMAGE, info.output_width * 4, 1)
                                 : nullptr;
  while (info.output_scanline < info.output_height) {
    const int y = int(info.output_scanline);
    if (cmykRow) {
      jpeg_read_scanlines(&info, cmykRow, 1);
      CmykToRgb(cmykRow[0], reinterpret_cast<QRgb *>(image.scanLine(y)), image.width());
    } else {
      JSAMPROW row = image.scanLine(y);
      jpeg_read_scanlines(&info, &row, 1);
    }
  }
  // The rest of the file (its end marker, anything after it) is not needed: the picture is
  // whole, and a trailer is not a reason to refuse it.
  return true;
}

// The orientation of the first EXIF segment libjpeg kept (only APP1 segments are kept).
int SavedOrientation(const jpeg_decompress_struct &header) {
  for (jpeg_saved_marker_ptr marker = header.marker_list; marker; marker = marker->next)
    if (ExifOrientation::IsExifSegment(marker->data, marker->data_length))
      return ExifOrientation::FromExifSegment(marker->data, marker->data_length);
  return ExifOrientation::AsStored;
}

// What a progressive or multi-scan JPEG holds while its scans come in: every DCT coefficient of
// the whole picture.
qint64 CoefficientBytes(jpeg_decompress_struct &header) {
  if (!jpeg_has_multiple_scans(&header))
    return 0;
  qint64 bytes = 0;
  for (int c = 0; c < header.num_components; ++c) {
    const jpeg_component_info &component = header.comp_info[c];
    const qint64 across = (qint64(component.width_in_blocks) + component.h_samp_factor - 1) /
                          component.h_samp_factor * component.h_samp_factor;
    const qint64 down = (qint64(component.height_in_blocks) + component.v_samp_factor - 1) /
                        component.v_samp_factor * component.v_samp_factor;
    bytes += across * down * BytesPerBlock;
  }
  return bytes;
}

// The smallest DCT scale whose output, turned upright, still covers `shown` both ways.
QSize ChooseScale(jpeg_decompress_struct &header, QSize shown, int orientation) {
  const QSize wanted = ExifOrientation::SwapsSides(orientation) ? shown.transposed() : shown;
  header.scale_num = 1;
  for (unsigned denominator : {8U, 4U, 2U, 1U}) {
    header.scale_denom = denominator;
    jpeg_calc_output_dimensions(&header);
    if (int(header.output_width) >= wanted.width() && int(header.output_height) >= wanted.height())
      break;
  }
  return QSize(int(header.output_width), int(header.output_height));
}

QString DamageOf(const TJpegSession &session) {
  if (!session.Fault)
    return QString::fromLocal8Bit(session.Message);
  const QString text = QCoreApplication::translate("Picture", session.Fault);
  return session.FaultSize.isEmpty()
             ? text
             : text.arg(session.FaultSize.width()).arg(session.FaultSize.height());
}

TDecodedPicture TooManyScans(int limit) {
  return TDecodedPicture::Refused(
      TPictureFault::TooManyScans,
      QCoreApplication::translate(
          "Picture", "its picture has more than %1 scans, which no camera or program writes; "
                     "each one would be a pass over the whole picture")
          .arg(limit));
}

// Why libjpeg stopped before the end, if it did.
std::optional<TDecodedPicture> Stopped(const TJpegSession &session, int maxScans) {
  switch (session.Stop) {
  case TJpegStop::None:
    return std::nullopt;
  case TJpegStop::TooManyScans:
    return TooManyScans(maxScans);
  case TJpegStop::TooMuchWork:
    return TDecodedPicture::Refused(
        TPictureFault::TooMuchWork,
        QCoreApplication::translate("Picture",
                                    "its picture would take too long to decode: its scans go over "
                                    "more than %1 blocks of 8 x 8 pixels, each scan over the whole "
                                    "picture again")
            .arg(session.MaxScanBlocks));
  case TJpegStop::Abandoned:
    return TDecodedPicture::Refused(
        TPictureFault::Abandoned,
        QCoreApplication::translate("Picture",
                                    "its picture was no longer wanted before it was decoded"));
  case TJpegStop::Damaged:
    return TDecodedPicture::DamagedBecause(DamageOf(session));
  }
  return std::nullopt;
}

} // namespace

TDecodedPicture TPictureDecoder::DecodeJpeg(QIODevice &device, const TPictureUse &use) const {
  // Counted from the markers before anything is decoded, so that a hostile file is refused at
  // once; the progress callback holds libjpeg to the same scan limit should the two ever
  // disagree, and counts the blocks of each scan, which only libjpeg knows.
  const TJpegScanCounter counted = CountScans(device, Limits);
  if (counted.Scans() > Limits.MaxScans)
    return TooManyScans(Limits.MaxScans);
  if (counted.TooMuchCodedData())
    return TooMuchCodedData(counted);

  TJpegSession session;
  jpeg_decompress_struct &info = session.Info;
  StartSession(session, use.Abandon, Limits);

  std::optional<TDecodedPicture> refused;
  TDecodedPicture picture;
  int orientation = ExifOrientation::AsStored;
  const bool decoded =
      RunJpeg(session, device, picture.Image, [&](TJpegPlan &plan, jpeg_decompress_struct &header) {
        plan.Stored = QSize(int(header.image_width), int(header.image_height));
        plan.Orientation = SavedOrientation(header);
        // Everything from here on (cells, limits, shown size) is of the upright picture.
        const QSize upright = ExifOrientation::UprightSize(plan.Stored, plan.Orientation);
        picture.StoredSize = upright;
        plan.Cmyk = header.jpeg_color_space == JCS_CMYK || header.jpeg_color_space == JCS_YCCK;
        header.out_color_space = plan.Cmyk                                       ? JCS_CMYK
                                 : QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA
                                                                                 : JCS_EXT_ARGB;
        header.dct_method = JDCT_ISLOW;
        plan.Output =
            ChooseScale(header, use.ShownSize ? use.ShownSize(upright) : upright, plan.Orientation);
        plan.DecodeBytes = qint64(plan.Output.width()) * plan.Output.height() * BytesPerPixel;
        // Turning makes a second image of the same size.
        if (plan.Orientation != ExifOrientation::AsStored)
          plan.DecodeBytes *= 2;
        plan.DecodeBytes += CoefficientBytes(header);
        refused = CheckSize(upright, plan.DecodeBytes, use);
        orientation = plan.Orientation;
        return !refused;
      });
  jpeg_destroy_decompress(&info);

  if (refused)
    return *refused;
  if (auto stopped = Stopped(session, Limits.MaxScans))
    return *stopped;
  if (!decoded)
    return TDecodedPicture::DamagedBecause(DamageOf(session));
  picture.Image = ExifOrientation::Upright(picture.Image, orientation);
  return picture;
}
