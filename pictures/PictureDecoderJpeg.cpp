// The JPEG half of the picture decoder: libjpeg with a scan limit counted before decoding,
// reduced-size decoding, a memory cap, a progress callback that can abandon the decode, and the
// EXIF orientation applied, so that a phone's portrait photo is decoded upright at every size.
#include "pictures/PictureDecoder.h"

#include "pictures/ExifOrientation.h"
#include "pictures/JpegScanCounter.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <array>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// The file is read in pieces of this size, for the scan count and for libjpeg.
constexpr qint64 PieceBytes = 16384;

// Decoded pictures are converted to 32-bit pixels to be cut into cells: that is
// what they cost.
constexpr qint64 BytesPerPixel = 4;
// A progressive or multi-scan JPEG keeps every DCT coefficient of the whole
// picture while its scans come in: 64 of 2 bytes per block of 8 x 8 samples.
constexpr qint64 BytesPerBlock = sizeof(JBLOCK);

// --- libjpeg glue ---------------------------------------------------------------------------
// libjpeg reports errors by calling back, and the callback must not return: it jumps back to
// the decode with longjmp, as libjpeg's own examples do. Only plain data lives in the frame
// that calls setjmp.

enum class TJpegStop { None, Damaged, TooManyScans, Abandoned };

struct TJpegSession {
  jpeg_decompress_struct Info;
  jpeg_error_mgr Errors;
  jpeg_progress_mgr Progress;
  jpeg_source_mgr Source;
  QIODevice *Device = nullptr;
  std::array<JOCTET, PieceBytes> Piece;
  std::jmp_buf Jump;
  TJpegStop Stop = TJpegStop::None;
  char Message[JMSG_LENGTH_MAX] = {}; // libjpeg's own words
  // Or the decoder's, marked for translation and translated once out of the jump's frame, with
  // the size it names.
  const char *Fault = nullptr;
  QSize FaultSize;
  const std::atomic<bool> *Abandon = nullptr;
  int MaxScans = 0;
};

TJpegSession &SessionOf(j_common_ptr info) {
  // Info is the first member: libjpeg hands back the address it was given.
  return *reinterpret_cast<TJpegSession *>(info);
}

[[noreturn]] void StopDecoding(TJpegSession &session, TJpegStop why) {
  session.Stop = why;
  std::longjmp(session.Jump, 1);
}

void JpegErrorExit(j_common_ptr info) {
  TJpegSession &session = SessionOf(info);
  (*info->err->format_message)(info, session.Message);
  StopDecoding(session, TJpegStop::Damaged);
}

// Warnings (data cut short, stray bytes) leave what could be decoded, as every viewer shows it;
// nothing is printed.
void JpegOutputMessage(j_common_ptr) {}

// Called for every row of blocks read and every output row: the scan count and the wish to
// give up are looked at here.
void JpegProgress(j_common_ptr info) {
  TJpegSession &session = SessionOf(info);
  if (session.Abandon && session.Abandon->load(std::memory_order_relaxed))
    StopDecoding(session, TJpegStop::Abandoned);
  if (session.Info.input_scan_number > session.MaxScans)
    StopDecoding(session, TJpegStop::TooManyScans);
}

// --- libjpeg reading from a QIODevice, a piece at a time --------------------------------------

void StartReading(j_decompress_ptr) {}
void StopReading(j_decompress_ptr) {}

boolean ReadPiece(j_decompress_ptr info) {
  TJpegSession &session = SessionOf(reinterpret_cast<j_common_ptr>(info));
  const qint64 got =
      session.Device->read(reinterpret_cast<char *>(session.Piece.data()), PieceBytes);
  if (got < 0) {
    session.Fault = QT_TRANSLATE_NOOP("Picture", "its file could not be read");
    StopDecoding(session, TJpegStop::Damaged);
  }
  if (got == 0) {
    // A file cut short: the end of the picture is made up, as libjpeg's own readers do, so that
    // what came before is shown.
    session.Piece[0] = 0xFF;
    session.Piece[1] = JPEG_EOI;
    info->src->bytes_in_buffer = 2;
  } else {
    info->src->bytes_in_buffer = size_t(got);
  }
  info->src->next_input_byte = session.Piece.data();
  return TRUE;
}

void SkipBytes(j_decompress_ptr info, long count) {
  jpeg_source_mgr &source = *info->src;
  if (count <= 0)
    return;
  if (size_t(count) <= source.bytes_in_buffer) {
    source.next_input_byte += count;
    source.bytes_in_buffer -= size_t(count);
    return;
  }
  count -= long(source.bytes_in_buffer);
  source.bytes_in_buffer = 0;
  TJpegSession &session = SessionOf(reinterpret_cast<j_common_ptr>(info));
  // Past the end is the end: the next read finds it.
  session.Device->skip(count);
}

void ReadFrom(TJpegSession &session, QIODevice &device) {
  session.Device = &device;
  jpeg_source_mgr &source = session.Source;
  source.init_source = StartReading;
  source.fill_input_buffer = ReadPiece;
  source.skip_input_data = SkipBytes;
  source.resync_to_restart = jpeg_resync_to_restart;
  source.term_source = StopReading;
  source.bytes_in_buffer = 0;
  source.next_input_byte = nullptr;
  session.Info.src = &source;
}

// The scans of the JPEG on `device`, counted up to one past `stopAbove`; the device is left where
// it was.
int CountScans(QIODevice &device, int stopAbove) {
  const qint64 start = device.pos();
  TJpegScanCounter counter(stopAbove);
  std::array<char, PieceBytes> piece;
  qint64 got = 0;
  while ((got = device.read(piece.data(), PieceBytes)) > 0 &&
         counter.Feed(reinterpret_cast<const uchar *>(piece.data()), got)) {
  }
  device.seek(start);
  return counter.Scans();
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

// libjpeg set to report to the session, to stop when told or past the scan limit, and to
// stay within the memory limit.
void StartSession(TJpegSession &session, const std::atomic<bool> *abandon,
                  const TPictureLimits &limits) {
  jpeg_decompress_struct &info = session.Info;
  info.err = jpeg_std_error(&session.Errors);
  session.Errors.error_exit = JpegErrorExit;
  session.Errors.output_message = JpegOutputMessage;
  jpeg_create_decompress(&info);
  session.Progress.progress_monitor = JpegProgress;
  info.progress = &session.Progress;
  session.Abandon = abandon;
  session.MaxScans = limits.MaxScans;
  // libjpeg fails rather than go past this (it has no backing store to turn to).
  info.mem->max_memory_to_use = long(limits.AllocationLimitMb) << 20;
  // EXIF segments are kept for their orientation: each at most 64 KB, and never more in all
  // than the file, whose size is limited.
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
}

// Why libjpeg stopped before the end, if it did.
std::optional<TDecodedPicture> Stopped(const TJpegSession &session, int maxScans) {
  switch (session.Stop) {
  case TJpegStop::None:
    return std::nullopt;
  case TJpegStop::TooManyScans:
    return TooManyScans(maxScans);
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
  // once; the progress callback holds libjpeg to the same limit should the two ever disagree.
  const int scans = CountScans(device, Limits.MaxScans);
  if (scans > Limits.MaxScans)
    return TooManyScans(Limits.MaxScans);

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
