#include "play/PictureDecoder.h"

#include "gamefile/PictureType.h"
#include "play/BmpHeader.h"
#include "play/PictureGeometry.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <sys/stat.h>

namespace {

// Decoded pictures are converted to 32-bit pixels to be cut into cells: that is
// what they cost.
constexpr qint64 BytesPerPixel = 4;
// A progressive or multi-scan JPEG keeps every DCT coefficient of the whole
// picture while its scans come in: 64 of 2 bytes per block of 8 x 8 samples.
constexpr qint64 BytesPerBlock = sizeof(JBLOCK);

TDecodedPicture Refuse(TPictureFault fault, const QString &reason) {
  TDecodedPicture picture;
  picture.Fault = fault;
  picture.Reason = reason;
  return picture;
}

TDecodedPicture Damaged(const QString &detail) {
  return Refuse(TPictureFault::Damaged, QStringLiteral("its picture is damaged (%1)").arg(detail));
}

QString Pixels(double value) { return QString::number(value, 'g', 3); }

// Why PictureGeometry refuses `stored` with `grid`, in the player's words. The cell sizes are
// worked out as the play screen does before it checks them.
QString WhyNoCells(QSize stored, int grid) {
  const QString picture =
      QStringLiteral("its picture (%1 x %2 pixels)").arg(stored.width()).arg(stored.height());
  if (grid <= 0)
    return QStringLiteral("its grid size is %1, which cuts no cells").arg(grid);
  const double aspect = double(stored.width()) / stored.height();
  auto otherSide = [](double side, double ratio) {
    const double other = side / ratio;
    return other > 1.3 * side ? other / 2 : other;
  };
  double cellWidth = grid;
  double cellHeight = otherSide(grid, aspect);
  const int width = std::min(int(stored.width() / grid), int(270 / grid)) * grid;
  if (int(width / aspect) > 360) {
    cellHeight = grid;
    cellWidth = otherSide(grid, 1 / aspect);
  }
  if (stored.width() < grid || stored.height() < cellHeight)
    return QStringLiteral("%1 is smaller than its grid of %2-pixel cells").arg(picture).arg(grid);
  // Cells less than a pixel: the grid is fine, the picture's shape is not.
  return QStringLiteral("%1 cut by its grid of %2 gives cells of %3 x %4 pixels, and a cell must "
                        "be at least 1 pixel each way")
      .arg(picture)
      .arg(grid)
      .arg(Pixels(cellWidth), Pixels(cellHeight));
}

// Indexed pixels may name entries past a short colour table; they are shown
// black rather than read from beyond it.
void FillColourTable(QImage &image) {
  const int full = image.depth() <= 8 ? 1 << image.depth() : 0;
  if (image.colorCount() == 0 || image.colorCount() >= full)
    return;
  QList<QRgb> table = image.colorTable();
  table.resize(full, qRgb(0, 0, 0));
  image.setColorTable(table);
}

bool IsRestartMarker(uchar marker) { return marker >= 0xD0 && marker <= 0xD7; }

// --- libjpeg glue ---------------------------------------------------------------------------
// libjpeg reports errors by calling back, and the callback must not return: it jumps back to
// the decode with longjmp, as libjpeg's own examples do. Only plain data lives in the frame
// that calls setjmp.

enum class TJpegStop { None, Damaged, TooManyScans, Abandoned };

struct TJpegSession {
  jpeg_decompress_struct Info;
  jpeg_error_mgr Errors;
  jpeg_progress_mgr Progress;
  std::jmp_buf Jump;
  TJpegStop Stop = TJpegStop::None;
  char Message[JMSG_LENGTH_MAX] = {};
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

// Adobe's CMYK JPEGs store their inks inverted, which is what Qt assumes too.
void CmykToRgb(const JSAMPLE *cmyk, QRgb *out, int width) {
  for (int x = 0; x < width; ++x, cmyk += 4) {
    const int k = cmyk[3];
    out[x] = qRgb(k * cmyk[0] / 255, k * cmyk[1] / 255, k * cmyk[2] / 255);
  }
}

struct TJpegPlan {
  QSize Stored;
  QSize Output;
  bool Cmyk = false;
  qint64 DecodeBytes = 0;
};

// The JPEG steps that libjpeg may leave by longjmp; `decide` is called with the header's facts
// and says whether to go on. Plain data only in this frame.
bool RunJpeg(TJpegSession &session, const uchar *data, qint64 size, QImage &image,
             const std::function<bool(TJpegPlan &, jpeg_decompress_struct &)> &decide) {
  jpeg_decompress_struct &info = session.Info;
  if (setjmp(session.Jump) != 0)
    return false;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    std::snprintf(session.Message, sizeof session.Message, "no picture, only tables");
    return false;
  }
  TJpegPlan plan;
  if (!decide(plan, info))
    return true; // refused by the caller, who says why
  image = QImage(plan.Output, QImage::Format_RGB32);
  if (image.isNull()) {
    std::snprintf(session.Message, sizeof session.Message, "no memory for %d x %d pixels",
                  plan.Output.width(), plan.Output.height());
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

} // namespace

TPictureUse TPictureUse::Level(int grid) {
  TPictureUse use;
  use.Grid = grid;
  use.ShownSize = [grid](QSize stored) {
    const auto geometry = PictureGeometry(stored, grid);
    return geometry ? QSize(geometry->Width, geometry->Height) : stored;
  };
  return use;
}

int TPictureDecoder::CountJpegScans(const uchar *data, qint64 size, int stopAbove) {
  int scans = 0;
  qint64 at = 2; // past the start-of-image marker
  while (at + 1 < size) {
    // libjpeg skips stray bytes between marker segments as well, with a warning.
    const void *mark = std::memchr(data + at, 0xFF, size_t(size - at));
    if (!mark)
      break;
    at = static_cast<const uchar *>(mark) - data;
    if (at + 1 >= size)
      break;
    const uchar marker = data[at + 1];
    if (marker == 0xFF) { // fill byte before a marker
      ++at;
      continue;
    }
    at += 2;
    if (marker == 0xD9) // end of image
      break;
    if (marker == 0x00 || marker == 0x01 || marker == 0xD8 || IsRestartMarker(marker))
      continue; // no length follows
    if (at + 2 > size)
      break;
    at += std::max((data[at] << 8) | data[at + 1], 2);
    if (marker != 0xDA)
      continue;
    if (++scans > stopAbove)
      break;
    // Entropy-coded data: a 0xFF in it is followed by a stuffed 0 or is a restart marker.
    while (at + 1 < size) {
      mark = std::memchr(data + at, 0xFF, size_t(size - at - 1));
      if (!mark) {
        at = size;
        break;
      }
      at = static_cast<const uchar *>(mark) - data;
      const uchar next = data[at + 1];
      if (next != 0x00 && !IsRestartMarker(next))
        break;
      at += 2;
    }
  }
  return scans;
}

TDecodedPicture TPictureDecoder::DecodeFile(const QString &path, quint8 type, int gridSize) const {
  TPictureUse use;
  if (gridSize > 0)
    use.Grid = gridSize;
  return DecodeFile(path, type, use);
}

TDecodedPicture TPictureDecoder::Decode(const QByteArray &bytes, quint8 type, int gridSize) const {
  TPictureUse use;
  if (gridSize > 0)
    use.Grid = gridSize;
  return Decode(bytes, type, use);
}

TDecodedPicture TPictureDecoder::DecodeFile(const QString &path, quint8 type,
                                            const TPictureUse &use) const {
  // A FIFO would block the open and a device has no end: only regular files are
  // read.
  struct stat status;
  if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
    return Damaged(QStringLiteral("%1 is missing or not a regular file").arg(path));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return Damaged(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
  if (file.size() > Limits.MaxBytes)
    return Decode(nullptr, file.size(), type, use);
  // A BMP is read by Qt from the file as it decodes: a big one is not held twice.
  if (type == PictureBmp)
    return DecodeBmp(file, file.size(), use);
  // A JPEG is read whole first, as its scans are counted before it is decoded; read rather
  // than mapped: a file cut short while mapped would kill the program.
  const QByteArray bytes = file.readAll();
  if (bytes.size() != file.size())
    return Damaged(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
  return Decode(bytes, type, use);
}

TDecodedPicture TPictureDecoder::Decode(const QByteArray &bytes, quint8 type,
                                        const TPictureUse &use) const {
  return Decode(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size(), type, use);
}

TDecodedPicture TPictureDecoder::Decode(const uchar *data, qint64 size, quint8 type,
                                        const TPictureUse &use) const {
  if (type != PictureJpeg && type != PictureBmp)
    return Refuse(TPictureFault::UnknownType,
                  QStringLiteral("its picture is of an unknown type (%1)").arg(type));
  if (size > Limits.MaxBytes)
    return Refuse(TPictureFault::TooBig, QStringLiteral("its picture is too big (%1 bytes, the "
                                                        "limit is %2 bytes)")
                                             .arg(size)
                                             .arg(Limits.MaxBytes));
  if (type == PictureBmp) {
    QBuffer device;
    device.setData(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    device.open(QIODevice::ReadOnly);
    return DecodeBmp(device, size, use);
  }
  if (size < 3 || std::memcmp(data, "\xFF\xD8\xFF", 3) != 0)
    return Refuse(TPictureFault::UnknownType,
                  QStringLiteral("its picture is of an unknown type (not a JPEG picture)"));
  return DecodeJpeg(data, size, use);
}

std::optional<TDecodedPicture> TPictureDecoder::CheckSize(QSize stored, qint64 decodeBytes,
                                                          const TPictureUse &use) const {
  const qint64 count = qint64(stored.width()) * stored.height();
  if (count > Limits.MaxPixels)
    return Refuse(TPictureFault::TooBig,
                  QStringLiteral("its picture is too big (%1 x %2 pixels, the limit is %3 "
                                 "megapixels)")
                      .arg(stored.width())
                      .arg(stored.height())
                      .arg(Limits.MaxPixels >> 20));
  if (decodeBytes > qint64(Limits.AllocationLimitMb) << 20)
    return Refuse(TPictureFault::TooBig,
                  QStringLiteral("its picture is too big (decoding needs %1 MB, the limit is %2 "
                                 "MB)")
                      .arg((decodeBytes + (1 << 20) - 1) >> 20)
                      .arg(Limits.AllocationLimitMb));
  if (use.Grid && !PictureGeometry(stored, *use.Grid))
    return Refuse(TPictureFault::SmallerThanGrid, WhyNoCells(stored, *use.Grid));
  return std::nullopt;
}

TDecodedPicture TPictureDecoder::DecodeJpeg(const uchar *data, qint64 size,
                                            const TPictureUse &use) const {
  // Counted from the markers before anything is decoded, so that a hostile file is refused at
  // once; the progress callback holds libjpeg to the same limit should the two ever disagree.
  const int scans = CountJpegScans(data, size, Limits.MaxScans);
  if (scans > Limits.MaxScans)
    return Refuse(TPictureFault::TooManyScans,
                  QStringLiteral("its picture has more than %1 scans, which no camera or "
                                 "program writes; each one would be a pass over the whole "
                                 "picture")
                      .arg(Limits.MaxScans));

  TJpegSession session;
  jpeg_decompress_struct &info = session.Info;
  info.err = jpeg_std_error(&session.Errors);
  session.Errors.error_exit = JpegErrorExit;
  session.Errors.output_message = JpegOutputMessage;
  jpeg_create_decompress(&info);
  session.Progress.progress_monitor = JpegProgress;
  info.progress = &session.Progress;
  session.Abandon = use.Abandon;
  session.MaxScans = Limits.MaxScans;
  // libjpeg fails rather than go past this (it has no backing store to turn to).
  info.mem->max_memory_to_use = long(Limits.AllocationLimitMb) << 20;

  std::optional<TDecodedPicture> refused;
  TDecodedPicture picture;
  const bool decoded = RunJpeg(
      session, data, size, picture.Image, [&](TJpegPlan &plan, jpeg_decompress_struct &header) {
        plan.Stored = QSize(int(header.image_width), int(header.image_height));
        picture.StoredSize = plan.Stored;
        plan.Cmyk = header.jpeg_color_space == JCS_CMYK || header.jpeg_color_space == JCS_YCCK;
        header.out_color_space = plan.Cmyk                                       ? JCS_CMYK
                                 : QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA
                                                                                 : JCS_EXT_ARGB;
        header.dct_method = JDCT_ISLOW;
        // The smallest DCT scale that still covers the size the picture is shown at.
        const QSize shown = use.ShownSize ? use.ShownSize(plan.Stored) : plan.Stored;
        header.scale_num = 1;
        for (unsigned denominator : {8U, 4U, 2U, 1U}) {
          header.scale_denom = denominator;
          jpeg_calc_output_dimensions(&header);
          if (int(header.output_width) >= shown.width() &&
              int(header.output_height) >= shown.height())
            break;
        }
        plan.Output = QSize(int(header.output_width), int(header.output_height));
        plan.DecodeBytes = qint64(plan.Output.width()) * plan.Output.height() * BytesPerPixel;
        if (jpeg_has_multiple_scans(&header)) {
          for (int c = 0; c < header.num_components; ++c) {
            const jpeg_component_info &component = header.comp_info[c];
            const qint64 across = (component.width_in_blocks + component.h_samp_factor - 1) /
                                  component.h_samp_factor * component.h_samp_factor;
            const qint64 down = (component.height_in_blocks + component.v_samp_factor - 1) /
                                component.v_samp_factor * component.v_samp_factor;
            plan.DecodeBytes += across * down * BytesPerBlock;
          }
        }
        refused = CheckSize(plan.Stored, plan.DecodeBytes, use);
        return !refused;
      });
  jpeg_destroy_decompress(&info);

  if (refused)
    return *refused;
  switch (session.Stop) {
  case TJpegStop::None:
    break;
  case TJpegStop::TooManyScans:
    return Refuse(TPictureFault::TooManyScans,
                  QStringLiteral("its picture has more than %1 scans, which no camera or "
                                 "program writes; each one would be a pass over the whole "
                                 "picture")
                      .arg(Limits.MaxScans));
  case TJpegStop::Abandoned:
    return Refuse(TPictureFault::Abandoned,
                  QStringLiteral("its picture was no longer wanted before it was decoded"));
  case TJpegStop::Damaged:
    return Damaged(QString::fromLocal8Bit(session.Message));
  }
  if (!decoded)
    return Damaged(QString::fromLocal8Bit(session.Message));
  return picture;
}

TDecodedPicture TPictureDecoder::DecodeBmp(QIODevice &device, qint64 size,
                                           const TPictureUse &use) const {
  const TBmpHeader header = TBmpHeader::Read(device.peek(TBmpHeader::MaxHeadBytes), size);
  if (header.Verdict == TBmpHeader::Unsupported)
    return Refuse(TPictureFault::UnknownType,
                  QStringLiteral("its picture is of an unknown type (%1)").arg(header.Problem));
  if (!header.IsUsable())
    return Damaged(header.Problem);
  const QSize pixels = header.Size;
  if (auto refused =
          CheckSize(pixels, qint64(pixels.width()) * pixels.height() * BytesPerPixel, use))
    return *refused;

  QImageReader reader(&device, "bmp");
  // The type is known: guessing would load every image plugin installed and let one of them,
  // not the reader checked above, take the picture.
  reader.setAutoDetectImageFormat(false);
  QImageReader::setAllocationLimit(Limits.AllocationLimitMb);
  TDecodedPicture picture;
  picture.StoredSize = pixels;
  // Run-length data may skip pixels and Qt leaves those unset: decode into a
  // cleared image of the format Qt picks for 4- and 8-bit pictures, which Qt
  // then reuses.
  if (header.RunLength) {
    picture.Image = QImage(pixels, QImage::Format_Indexed8);
    picture.Image.fill(0);
  }
  if (!reader.read(&picture.Image))
    return Damaged(reader.errorString());
  FillColourTable(picture.Image);
  return picture;
}
