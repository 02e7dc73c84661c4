#pragma once
// Progressive JPEGs written from their markers up, with no encoder, as hostile files are made:
// every block of the picture flat grey, so that a scan over millions of blocks is a few bytes of
// end-of-band runs, any sequence of scans the format allows (or repeats it does not), and any
// bytes after each scan's data (padding, stray restart markers) that decoders skip. Written by
// hand here so that a test can make a file of any size or shape at once.

#include <QByteArray>
#include <QList>
#include <QSize>

#include <algorithm>

namespace HostileJpeg {

struct TScan {
  QList<int> Components; // 0-based; an AC scan (Ss > 0) has exactly one
  int Ss = 0;
  int Se = 0;
  int Ah = 0;
  int Al = 0;
};

struct TPicture {
  QSize Size;
  int Components = 1; // 1 grey, 3 colour; every one sampled 1 x 1
  QList<TScan> Scans;
  // Appended to each scan's coded data, as it is: stuffed data bytes (FF 00) or restart markers
  // are skipped by a decoder, which has read all the blocks it needs by then.
  QByteArray AfterEachScan;
};

// Bits into bytes, most significant first, with every 0xFF byte followed by a stuffed zero.
class TBitWriter {
public:
  void Put(quint32 bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      Byte = quint8(Byte << 1 | ((bits >> i) & 1));
      if (++Filled == 8)
        Flush();
    }
  }
  // Pads the last byte with ones, as encoders do.
  QByteArray Finish() {
    if (Filled > 0)
      Put(0xFF, 8 - Filled);
    return Out;
  }

private:
  void Flush() {
    Out.append(char(Byte));
    if (Byte == 0xFF)
      Out.append('\0');
    Byte = 0;
    Filled = 0;
  }
  QByteArray Out;
  quint8 Byte = 0;
  int Filled = 0;
};

inline QByteArray Big16(int value) { return QByteArray() + char(value >> 8) + char(value & 0xFF); }

inline QByteArray Segment(quint8 marker, const QByteArray &body) {
  return QByteArray("\xFF", 1) + char(marker) + Big16(int(body.size()) + 2) + body;
}

inline int BlocksOfComponent(QSize size) {
  return ((size.width() + 7) / 8) * ((size.height() + 7) / 8);
}

// The coded data of one scan over flat blocks. DC: category 0 (code "0") per block, or one
// correction bit per block when refining. AC: end-of-band runs over every block of the
// component, 32767 at most each (symbol r << 4 with r extra bits, code r in 4 bits).
inline QByteArray ScanData(const TPicture &picture, const TScan &scan) {
  TBitWriter bits;
  const qint64 blocks = qint64(BlocksOfComponent(picture.Size)) * scan.Components.size();
  if (scan.Ss == 0) {
    for (qint64 i = 0; i < blocks; ++i)
      bits.Put(0, 1);
    return bits.Finish();
  }
  for (qint64 left = blocks; left > 0;) {
    const int run = int(std::min<qint64>(left, 32767));
    int r = 0;
    while ((2 << r) <= run)
      ++r;
    bits.Put(quint32(r), 4);
    bits.Put(quint32(run - (1 << r)), r);
    left -= run;
  }
  return bits.Finish();
}

inline QByteArray Bytes(const TPicture &picture) {
  QByteArray jpeg("\xFF\xD8", 2);
  jpeg += Segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
  QByteArray frame;
  frame += char(8);
  frame += Big16(picture.Size.height()) + Big16(picture.Size.width());
  frame += char(picture.Components);
  for (int c = 0; c < picture.Components; ++c)
    frame += QByteArray() + char(c + 1) + char(0x11) + char(0);
  jpeg += Segment(0xC2, frame);
  // DC: one symbol (category 0) of code "0". AC: the fifteen end-of-band symbols, 4 bits each.
  QByteArray dc = QByteArray(1, '\x00') + char(1) + QByteArray(15, '\0') + char(0);
  QByteArray ac = QByteArray(1, '\x10') + QByteArray(3, '\0') + char(15) + QByteArray(12, '\0');
  for (int r = 0; r < 15; ++r)
    ac += char(r << 4);
  jpeg += Segment(0xC4, dc + ac);
  for (const TScan &scan : picture.Scans) {
    QByteArray header;
    header += char(scan.Components.size());
    for (int c : scan.Components)
      header += QByteArray() + char(c + 1) + char(0);
    header += QByteArray() + char(scan.Ss) + char(scan.Se) + char(scan.Ah << 4 | scan.Al);
    jpeg += Segment(0xDA, header) + ScanData(picture, scan) + picture.AfterEachScan;
  }
  return jpeg + QByteArray("\xFF\xD9", 2);
}

// The scans of a grey picture that no decoder warns about, up to `count` (at most 99): the DC,
// then each AC coefficient on its own at half precision, then as many of them refined.
inline QList<TScan> ValidGreyScans(int count) {
  QList<TScan> scans{{{0}, 0, 0, 0, 0}};
  for (int k = 1; k <= 63 && scans.size() < count; ++k)
    scans.append({{0}, k, k, 0, 1});
  for (int k = 1; k <= 63 && scans.size() < count; ++k)
    scans.append({{0}, k, k, 1, 0});
  return scans;
}

} // namespace HostileJpeg
