#pragma once
// Counts the start-of-scan markers of a JPEG stream and the bytes of its scans' coded data as its
// bytes come in, a piece at a time, without decoding anything. A progressive JPEG of thousands of
// scans (each one a pass over the whole picture), or a small picture with megabytes of coded data
// (which a decoder reads byte by byte), is refused from these counts before a single pass is
// made, and the file never has to be in memory whole to be counted.

#include <QSize>

#include <limits>

// The coded bytes a JPEG may have: PerPixel for each pixel of its frame and Slack besides, never
// more than Most (which is all there is to go by before the frame header).
struct TCodedBytesLimit {
  qint64 PerPixel = 0;
  qint64 Slack = 0;
  qint64 Most = std::numeric_limits<qint64>::max();
  qint64 For(QSize frame) const;
};

class TJpegScanCounter {
public:
  // Counting stops at one past `stopAbove` scans, or once the coded bytes are past `coded`.
  explicit TJpegScanCounter(int stopAbove, TCodedBytesLimit coded = {})
      : StopAbove(stopAbove), CodedLimit(coded) {}

  // The next piece of the stream. False once the counts are settled (the end of the image, or
  // past a limit): the rest need not be read.
  bool Feed(const uchar *data, qint64 size);
  int Scans() const { return Count; }
  // The size in the first frame header; empty before it.
  QSize Frame() const { return FrameSize; }
  qint64 CodedBytesAllowed() const { return CodedLimit.For(FrameSize); }
  bool TooMuchCodedData() const { return Coded > CodedBytesAllowed(); }
  // The bytes a decoder reads one by one: the scans' coded data (with its stuffed bytes and
  // restart markers, up to the marker that ends each scan) and stray bytes between segments.
  // Segments are not counted: they are skipped by their length.
  qint64 CodedBytes() const { return Coded; }

private:
  enum class TState {
    Skip,        // Remaining bytes of no interest, then AfterSkip
    FrameHeader, // the first bytes of a frame header: precision, height, width
    SeekMarker,  // between segments: stray bytes up to the next 0xFF
    MarkerCode,  // the byte after 0xFF
    LengthHigh,  // a segment's length, two bytes, the length included
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
  TCodedBytesLimit CodedLimit;
  int Count = 0;
  qint64 Coded = 0;
  QSize FrameSize;
  uchar FrameBytes[5] = {};
  int FrameTaken = 0;
  TState State = TState::Skip;
  qint64 Remaining = 2; // the start-of-image marker
  TState AfterSkip = TState::SeekMarker;
  uchar Marker = 0;
  int LengthHighByte = 0;
};
