// Writes a progressive JPEG that takes seconds to decode although it is small: one of its scans
// repeated many times. Decoders take each repeat as a new pass over the whole picture (and at
// most warn about it), as with the hostile files found in the wild.
//
// Usage: qb_slow_jpeg OUT.jpg [REPEATS [WIDTH HEIGHT]]
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

// The end of the entropy-coded data that starts at `from`: the next marker that is neither a
// stuffed 0xFF nor a restart marker.
qsizetype EndOfScanData(const QByteArray &jpeg, qsizetype from) {
  for (qsizetype i = from; i + 1 < jpeg.size(); ++i) {
    const auto next = quint8(jpeg[i + 1]);
    if (quint8(jpeg[i]) == 0xFF && next != 0x00 && (next < 0xD0 || next > 0xD7))
      return i;
  }
  return -1;
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2)
    return 2;
  const int repeats = argc > 2 ? atoi(argv[2]) : 20000;
  // Flat: its scans are a few bytes each, yet each one is a pass over every block.
  QImage flat(argc > 4 ? atoi(argv[3]) : 2400, argc > 4 ? atoi(argv[4]) : 1800,
              QImage::Format_RGB32);
  flat.fill(0xFF336699);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  if (!writer.write(flat))
    return 1;
  const QByteArray jpeg = buffer.data();
  // The second scan: the first AC scan of the luminance, one block at a time; for a flat
  // picture a few bytes of end-of-band runs that each cover thousands of blocks.
  const QByteArray startOfScan("\xFF\xDA", 2);
  const qsizetype scan = jpeg.indexOf(startOfScan, jpeg.indexOf(startOfScan) + 2);
  if (scan < 0)
    return 1;
  const int headerLength = (quint8(jpeg[scan + 2]) << 8) | quint8(jpeg[scan + 3]);
  const qsizetype end = EndOfScanData(jpeg, scan + 2 + headerLength);
  if (end < 0)
    return 1;
  const QByteArray repeated = jpeg.mid(scan, end - scan);
  QFile out(QString::fromLocal8Bit(argv[1]));
  if (!out.open(QIODevice::WriteOnly) || out.write(jpeg.left(end)) != end)
    return 1;
  for (int i = 0; i < repeats; ++i)
    out.write(repeated);
  out.write(jpeg.mid(end));
  std::printf("%lld bytes, a scan repeated %d times\n", qlonglong(out.size()), repeats);
  return out.flush() ? 0 : 1;
}
