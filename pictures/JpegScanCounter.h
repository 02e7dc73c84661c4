#pragma once
// Counts the start-of-scan markers of a JPEG stream as its bytes come in, a piece at a time,
// without decoding anything. A progressive JPEG of thousands of scans (each one a pass over the
// whole picture) is refused from this count before a single pass is made, and the file never has
// to be in memory whole to be counted.

#include <QtGlobal>

class TJpegScanCounter {
public:
  // Counting stops at one past `stopAbove`.
  explicit TJpegScanCounter(int stopAbove) : StopAbove(stopAbove) {}

  // The next piece of the stream. False once the count is settled (the end of the image, or one
  // past the limit): the rest need not be read.
  bool Feed(const uchar *data, qint64 size);
  int Scans() const { return Count; }

private:
  enum class TState {
    Skip,       // Remaining bytes of no interest, then AfterSkip
    SeekMarker, // between segments: stray bytes up to the next 0xFF
    MarkerCode, // the byte after 0xFF
    LengthHigh, // a segment's length, two bytes, the length included
    LengthLow,
    EntropyData,   // a scan's coded data, up to the next 0xFF
    EntropyMarker, // after a 0xFF in it: a stuffed 0, a restart marker or the next marker
    Done
  };

  // One state's worth of the bytes from `at`; returns where the next step starts.
  const uchar *Step(const uchar *at, const uchar *end);
  void TakeMarkerCode(uchar code);
  void TakeLength(int length);

  int StopAbove;
  int Count = 0;
  TState State = TState::Skip;
  qint64 Remaining = 2; // the start-of-image marker
  TState AfterSkip = TState::SeekMarker;
  uchar Marker = 0;
  int LengthHighByte = 0;
};
