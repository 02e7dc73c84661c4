#include "pictures/JpegSession.h"

#include "pictures/PictureDecoder.h"

#include <QtGlobal>

namespace {

TJpegSession &SessionOf(j_common_ptr info) {
  // Info is the first member: libjpeg hands back the address it was given.
  return *reinterpret_cast<TJpegSession *>(info);
}

void JpegErrorExit(j_common_ptr info) {
  TJpegSession &session = SessionOf(info);
  (*info->err->format_message)(info, session.Message);
  StopDecoding(session, TJpegStop::Damaged);
}

// Warnings (data cut short, stray bytes) leave what could be decoded, as every viewer shows it;
// nothing is printed.
void JpegOutputMessage(j_common_ptr) {}

// A scan is a pass over every block of its components, however few bytes it has: its blocks are
// counted as it begins, before any of them is decoded. (The progress callback comes before each
// row of blocks is read, so every scan is seen before its first row.)
void CountScanBlocks(TJpegSession &session) {
  const jpeg_decompress_struct &info = session.Info;
  if (info.input_scan_number == session.ScansCounted || info.comps_in_scan == 0)
    return;
  session.ScansCounted = info.input_scan_number;
  session.ScanBlocks +=
      qint64(info.MCUs_per_row) * qint64(info.MCU_rows_in_scan) * qint64(info.blocks_in_MCU);
  if (session.ScanBlocks > session.MaxScanBlocks)
    StopDecoding(session, TJpegStop::TooMuchWork);
}

// Called for every row of blocks read and every output row: the limits and the wish to give up
// are looked at here.
void JpegProgress(j_common_ptr info) {
  TJpegSession &session = SessionOf(info);
  if (session.Abandon && session.Abandon->load(std::memory_order_relaxed))
    StopDecoding(session, TJpegStop::Abandoned);
  if (session.Info.input_scan_number > session.MaxScans)
    StopDecoding(session, TJpegStop::TooManyScans);
  CountScanBlocks(session);
}

void StartReading(j_decompress_ptr) {}
void StopReading(j_decompress_ptr) {}

boolean ReadPiece(j_decompress_ptr info) {
  TJpegSession &session = SessionOf(reinterpret_cast<j_common_ptr>(info));
  const qint64 got =
      session.Device->read(reinterpret_cast<char *>(session.Piece.data()), JpegPieceBytes);
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

} // namespace

void StopDecoding(TJpegSession &session, TJpegStop why) {
  session.Stop = why;
  std::longjmp(session.Jump, 1);
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
  session.MaxScanBlocks = limits.MaxScanBlocks;
  // libjpeg fails rather than go past this (it has no backing store to turn to).
  info.mem->max_memory_to_use = long(limits.AllocationLimitMb) << 20;
  // EXIF segments are kept for their orientation: each at most 64 KB, and never more in all
  // than the file, whose size is limited.
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
}
