// The work a JPEG decode may take is bounded by what the picture can need: the coded data by its
// pixels, and the blocks all its scans go over together. Hostile files are written by hand
// (HostileJpeg.h): small pictures with megabytes of padding or restart markers behind their
// scans, and large ones with as many valid or repeated scans as the scan limit lets through.
#include "pictures/PictureDecoder.h"

#include "gamefile/PictureType.h"
#include "pictures/JpegScanCounter.h"
#include "tests/support/HostileJpeg.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace HostileJpeg;

namespace {

QByteArray Written(const QImage &image, int quality, bool progressive) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(quality);
  writer.setProgressiveScanWrite(progressive);
  EXPECT_TRUE(writer.write(image));
  return bytes;
}

// The most coded data a real picture has: noise at the highest quality.
QImage Noise(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QRandomGenerator random(7);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, random.generate() | 0xFF000000);
  return image;
}

// The DC scan, then one AC scan repeated: each repeat is a pass over every block, and decoders
// take it without a word.
QList<TScan> RepeatedScan(int repeats) {
  QList<TScan> scans{{{0}, 0, 0, 0, 0}};
  for (int i = 0; i < repeats; ++i)
    scans.append({{0}, 1, 63, 0, 0});
  return scans;
}

QByteArray RestartMarkers(int count) {
  QByteArray markers;
  for (int i = 0; i < count; ++i)
    markers += QByteArray("\xFF", 1) + char(0xD0 + i % 8);
  return markers;
}

} // namespace

// The fuzzer's case and its kin: a picture of 32 x 157 pixels whose two scans carry about 970 KB
// that the decoder reads byte by byte. Its pixels can use 8 bytes each (and 64 KB besides).
TEST(JpegWork, SmallPictureWithMegabytesOfCodedDataIsRefused) {
  const QList<TScan> twoScans{{{0}, 0, 0, 0, 0}, {{0}, 1, 63, 0, 0}};
  for (const auto &[name, after] :
       {std::pair{"stuffed bytes", QByteArray("\xFF\x00", 2).repeated(242000)},
        std::pair{"restart markers", RestartMarkers(242000)},
        std::pair{"data bytes", QByteArray(484000, '\x55')}}) {
    const QByteArray jpeg = Bytes({QSize(32, 157), 1, twoScans, after});
    const TDecodedPicture picture = TPictureDecoder().Decode(jpeg, PictureJpeg, 16);
    EXPECT_EQ(picture.Fault, TPictureFault::TooMuchWork) << name;
    EXPECT_EQ(picture.Reason.toStdString(),
              "its picture holds more coded data than its pixels can use (more than 105728 "
              "bytes for 32 x 157 pixels)")
        << name;
    EXPECT_TRUE(picture.Image.isNull()) << name;
    // Without the bound by its pixels, libjpeg reads past the padding and shows the picture.
    EXPECT_TRUE(TPictureDecoder({.MaxCodedBytesPerPixel = 0}).Decode(jpeg, PictureJpeg, 16).Ok())
        << name;
    // Just within what its pixels can use (12 bytes of the scans' own data, twice 50000 after
    // them), the same picture decodes.
    const QByteArray within = Bytes({QSize(32, 157), 1, twoScans, after.left(50000)});
    EXPECT_TRUE(TPictureDecoder().Decode(within, PictureJpeg, 16).Ok()) << name;
  }
  // However large the picture, no more than the limit in all.
  const QByteArray large = Bytes({QSize(4000, 4000), 1, twoScans, QByteArray(3 << 20, '\x55')});
  const TDecodedPicture picture =
      TPictureDecoder({.MaxCodedBytes = 2 << 20}).Decode(large, PictureJpeg, 16);
  EXPECT_EQ(picture.Fault, TPictureFault::TooMuchWork);
  EXPECT_TRUE(picture.Reason.contains("more than 2097152 bytes for 4000 x 4000 pixels"))
      << picture.Reason.toStdString();
}

// Real pictures, at their largest coded data per pixel or with the scans encoders write, decode.
TEST(JpegWork, RealPicturesAreWithinTheBounds) {
  for (const auto &[name, jpeg] :
       {std::pair{"noise at quality 100", Written(Noise(300, 200), 100, false)},
        std::pair{"progressive noise at quality 100", Written(Noise(300, 200), 100, true)},
        std::pair{"tiny noise at quality 100", Written(Noise(8, 8), 100, true)}}) {
    const TDecodedPicture picture = TPictureDecoder().Decode(jpeg, PictureJpeg);
    EXPECT_TRUE(picture.Ok()) << name << ": " << picture.Reason.toStdString();
  }
}

// Every scan is counted by the blocks it goes over: all components' blocks for an interleaved DC
// scan, one component's for an AC scan. At the exact total the picture decodes; one block less
// and it is refused.
TEST(JpegWork, ScansAreCountedByTheBlocksTheyGoOver) {
  // 64 x 48 pixels: 8 x 6 = 48 blocks a component.
  const QList<TScan> scans{{{0, 1, 2}, 0, 0, 0, 1},  // 144
                           {{0}, 1, 63, 0, 0},       // 48
                           {{2}, 1, 63, 0, 0},       // 48
                           {{0, 1, 2}, 0, 0, 1, 0}}; // 144
  const QByteArray jpeg = Bytes({QSize(64, 48), 3, scans, {}});
  EXPECT_TRUE(TPictureDecoder({.MaxScanBlocks = 384}).Decode(jpeg, PictureJpeg).Ok());
  const TDecodedPicture picture = TPictureDecoder({.MaxScanBlocks = 383}).Decode(jpeg, PictureJpeg);
  EXPECT_EQ(picture.Fault, TPictureFault::TooMuchWork);
  EXPECT_EQ(picture.Reason.toStdString(),
            "its picture would take too long to decode: its scans go over more than 383 blocks of "
            "8 x 8 pixels, each scan over the whole picture again");
}

// Within the scan limit, a large picture's scans would each be a pass over millions of blocks:
// valid scans that no decoder warns about, and one scan repeated, are refused once their blocks
// pass the limit (640 x 480 is 4800 blocks, 40 scans of it 192000); so is a grey picture of 64
// megapixels and 99 scans at the full limits.
TEST(JpegWork, ManyScansOverALargePictureAreRefused) {
  const TPictureLimits small{.MaxScanBlocks = 100'000};
  for (const auto &[name, scans] : {std::pair{"valid scans", ValidGreyScans(40)},
                                    std::pair{"a repeated scan", RepeatedScan(40)}}) {
    const QByteArray jpeg = Bytes({QSize(640, 480), 1, scans, {}});
    EXPECT_EQ(TPictureDecoder(small).Decode(jpeg, PictureJpeg).Fault, TPictureFault::TooMuchWork)
        << name;
    // The same scans over a picture a quarter the size decode.
    const QByteArray quarter = Bytes({QSize(320, 240), 1, scans, {}});
    EXPECT_TRUE(TPictureDecoder(small).Decode(quarter, PictureJpeg).Ok()) << name;
  }
  const QByteArray limit = Bytes({QSize(8192, 8192), 1, ValidGreyScans(99), {}});
  const TDecodedPicture picture =
      TPictureDecoder().Decode(limit, PictureJpeg, TPictureUse::Level(44));
  EXPECT_EQ(picture.Fault, TPictureFault::TooMuchWork) << picture.Reason.toStdString();
}

// The counter reads the frame's size and the coded bytes the same in any pieces, and stops
// reading once they are past what the frame allows.
TEST(JpegWork, CounterFindsTheFrameAndCountsCodedBytesInAnyPieces) {
  const QByteArray jpeg =
      Bytes({QSize(33, 17), 1, {{{0}, 0, 0, 0, 0}, {{0}, 1, 63, 0, 0}}, QByteArray(1000, '\x55')});
  for (qsizetype piece : {qsizetype(1), qsizetype(3), qsizetype(7), jpeg.size()}) {
    TJpegScanCounter counter(100, {8, 0, 1 << 20});
    for (qsizetype at = 0; at < jpeg.size(); at += piece)
      counter.Feed(reinterpret_cast<const uchar *>(jpeg.constData()) + at,
                   std::min(piece, jpeg.size() - at));
    EXPECT_EQ(counter.Frame(), QSize(33, 17)) << piece;
    EXPECT_EQ(counter.Scans(), 2) << piece;
    // 5 x 3 blocks of one bit each in the DC scan, one end-of-band run of 15 (a byte) in the AC
    // scan, 1000 bytes after each.
    EXPECT_EQ(counter.CodedBytes(), 2 + 1000 + 1 + 1000) << piece;
    EXPECT_EQ(counter.CodedBytesAllowed(), 33 * 17 * 8);
    EXPECT_FALSE(counter.TooMuchCodedData());
  }
  TJpegScanCounter strict(100, {1, 0, 1 << 20});
  EXPECT_FALSE(strict.Feed(reinterpret_cast<const uchar *>(jpeg.constData()), jpeg.size()));
  EXPECT_TRUE(strict.TooMuchCodedData());
  // Stopped in the first scan's padding: the second scan was never read.
  EXPECT_EQ(strict.Scans(), 1);
  EXPECT_LT(strict.CodedBytes(), 2003);
}
