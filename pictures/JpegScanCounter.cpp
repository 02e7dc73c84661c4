#include "pictures/JpegScanCounter.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsRestartMarker(uchar marker) { return marker >= 0xD0 && marker <= 0xD7; }

constexpr uchar StartOfScan = 0xDA;
constexpr uchar EndOfImage = 0xD9;

// Markers that stand alone, with no length after them.
bool StandsAlone(uchar marker) {
  return marker == 0x00 || marker == 0x01 || marker == 0xD8 || IsRestartMarker(marker);
}

// Start-of-frame markers, whose header gives the picture's size: C0 to CF but for DHT (C4), JPG
// (C8) and DAC (CC).
bool IsFrameMarker(uchar marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

qint64 TCodedBytesLimit::For(QSize frame) const {
  if (frame.isEmpty() || PerPixel == 0)
    return Most;
  return std::min(qint64(frame.width()) * frame.height() * PerPixel + Slack, Most);
}

bool TJpegScanCounter::Feed(const uchar *data, qint64 size) {
  const uchar *at = data;
  const uchar *const end = data + size;
  while (at < end && State != TState::Done) {
    at = Step(at, end);
    if (TooMuchCodedData())
      State = TState::Done;
  }
  return State != TState::Done;
}

const uchar *TJpegScanCounter::Step(const uchar *at, const uchar *end) {
  switch (State) {
  case TState::Skip: {
    const qint64 step = std::min<qint64>(Remaining, end - at);
    Remaining -= step;
    if (Remaining == 0)
      State = AfterSkip;
    return at + step;
  }
  case TState::FrameHeader:
    FrameBytes[FrameTaken++] = *at;
    if (FrameTaken == int(sizeof FrameBytes))
      FrameSize = QSize(FrameBytes[3] << 8 | FrameBytes[4], FrameBytes[1] << 8 | FrameBytes[2]);
    if (--Remaining == 0)
      State = AfterSkip;
    else if (FrameTaken == int(sizeof FrameBytes))
      State = TState::Skip;
    return at + 1;
  case TState::SeekMarker:
  case TState::EntropyData: {
    // libjpeg skips stray bytes between segments as well, with a warning.
    const auto *mark = static_cast<const uchar *>(std::memchr(at, 0xFF, size_t(end - at)));
    Coded += (mark ? mark : end) - at;
    if (!mark)
      return end;
    State = State == TState::SeekMarker ? TState::MarkerCode : TState::EntropyMarker;
    return mark + 1;
  }
  case TState::EntropyMarker:
    if (*at == 0x00 || IsRestartMarker(*at)) {
      Coded += 2; // with its 0xFF
      State = TState::EntropyData;
      return at + 1;
    }
    State = TState::MarkerCode; // the scan is over: this byte is the next marker's code
    return at;
  case TState::MarkerCode:
    TakeMarkerCode(*at);
    return at + 1;
  case TState::LengthHigh:
    LengthHighByte = *at;
    State = TState::LengthLow;
    return at + 1;
  case TState::LengthLow:
    TakeLength((LengthHighByte << 8) | *at);
    return at + 1;
  case TState::Done:
    break;
  }
  return end;
}

void TJpegScanCounter::TakeMarkerCode(uchar code) {
  if (code == 0xFF) { // a fill byte before the code
    ++Coded;
    return;
  }
  if (code == EndOfImage) {
    State = TState::Done;
  } else if (StandsAlone(code)) {
    // Read one by one as well: a stuffed byte or a restart marker between segments.
    Coded += 2;
    State = TState::SeekMarker;
  } else {
    Marker = code;
    State = TState::LengthHigh;
  }
}

void TJpegScanCounter::TakeLength(int length) {
  Remaining = std::max(length, 2) - 2;
  AfterSkip = TState::SeekMarker;
  if (IsFrameMarker(Marker) && FrameTaken == 0 && Remaining > 0) {
    State = TState::FrameHeader;
    return;
  }
  if (Marker == StartOfScan) {
    if (++Count > StopAbove) {
      State = TState::Done;
      return;
    }
    AfterSkip = TState::EntropyData;
  }
  State = Remaining > 0 ? TState::Skip : AfterSkip;
}
