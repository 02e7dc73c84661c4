#pragma once
// libjpeg set up for the picture decoder: errors and stops leave the decode by longjmp (libjpeg's
// error callback must not return), the stream is read from a QIODevice a piece at a time, and the
// progress callback holds the decode to its limits: the scan count, the blocks all the scans
// decode together, and the wish to give up.

#include <QIODevice>
#include <QSize>

#include <array>
#include <atomic>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct TPictureLimits;

enum class TJpegStop { None, Damaged, TooManyScans, TooMuchWork, Abandoned };

// The file is read in pieces of this size, for the scan count and for libjpeg.
constexpr qint64 JpegPieceBytes = 16384;

struct TJpegSession {
  jpeg_decompress_struct Info;
  jpeg_error_mgr Errors;
  jpeg_progress_mgr Progress;
  jpeg_source_mgr Source;
  QIODevice *Device = nullptr;
  std::array<JOCTET, JpegPieceBytes> Piece;
  std::jmp_buf Jump;
  TJpegStop Stop = TJpegStop::None;
  char Message[JMSG_LENGTH_MAX] = {}; // libjpeg's own words
  // Or the decoder's, marked for translation and translated once out of the jump's frame, with
  // the size it names.
  const char *Fault = nullptr;
  QSize FaultSize;
  const std::atomic<bool> *Abandon = nullptr;
  int MaxScans = 0;
  qint64 MaxScanBlocks = 0;
  // Blocks of the scans begun so far, each scan counted as it begins.
  qint64 ScanBlocks = 0;
  int ScansCounted = 0;
};

// libjpeg set to report to `session`, to stop when told or past the limits, and to stay within
// the memory limit.
void StartSession(TJpegSession &session, const std::atomic<bool> *abandon,
                  const TPictureLimits &limits);

// libjpeg reads from `device` from where it stands.
void ReadFrom(TJpegSession &session, QIODevice &device);

// Called where libjpeg must not go on; never returns.
[[noreturn]] void StopDecoding(TJpegSession &session, TJpegStop why);
