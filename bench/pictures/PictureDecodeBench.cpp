// Decoding level pictures: a 12-megapixel photo (4000 x 3000 JPEG) made ready for a level with
// a grid of 44 (the picture shown 264 x 198), through the level loader (libjpeg at 1/8 of the
// size, then fitted) against the naive baseline of decoding it whole through Qt's reader and
// fitting that; and a hostile progressive JPEG of 20000 repeated scans, refused by the decoder,
// against Qt decoding 500 of those scans (a fortieth of the file's work). Then the hostile files
// within the scan limit, each against the same decoder without its bounds on work: 64 megapixels of
// 100 scans (one repeated, or all valid), a picture of 32 x 157 pixels with 970 KB of padding or
// restart markers behind its two scans, a 64-megapixel picture with the most coded data it may
// have, all restart markers; and the slowest valid picture the limits let through. Prints the
// ratios.
#include "gamefile/PictureType.h"
#include "pictures/LevelPictureLoader.h"
#include "rules/PictureGeometry.h"
#include "tests/support/HostileJpeg.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Grid = 44;
// The hostile files' levels: small enough a grid for their smallest picture.
constexpr int HostileGrid = 16;

QTemporaryDir *Dir = nullptr;
QString Photo;
QString Hostile;
QString Qt500Scans;
QString AtTheLimit;
// Hostile files by kind, and the slowest pictures the limits let through.
std::map<std::string, QString> Files;

// Something like a photo: gradients and shapes, so that the JPEG has real detail to decode.
void WritePhoto(const QString &path) {
  QImage image(4000, 3000, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      line[x] = qRgb(x * 255 / 4000, y * 255 / 3000, ((x ^ y) >> 3) & 0xFF);
  }
  QPainter p(&image);
  for (int i = 0; i < 60; ++i) {
    p.setBrush(QColor::fromHsv(i * 6, 200, 220));
    p.drawEllipse(QPoint((i * 677) % 4000, (i * 431) % 3000), 150 + i * 3, 100 + i * 2);
  }
  p.end();
  QImageWriter writer(path, "jpeg");
  writer.setQuality(90);
  if (!writer.write(image))
    qFatal("cannot write %s", qPrintable(path));
}

// A progressive JPEG with its second scan repeated: each repeat a pass over every block.
void WriteManyScans(const QString &path, int repeats, QSize size = QSize(2400, 1800)) {
  QImage flat(size, QImage::Format_RGB32);
  flat.fill(0xFF336699);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(true);
  writer.write(flat);
  const QByteArray jpeg = buffer.data();
  const QByteArray sos("\xFF\xDA", 2);
  const qsizetype scan = jpeg.indexOf(sos, jpeg.indexOf(sos) + 2);
  const qsizetype next = jpeg.indexOf(sos, scan + 2);
  const QByteArray bytes =
      jpeg.left(next) + jpeg.mid(scan, next - scan).repeated(repeats) + jpeg.mid(next);
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

void Prepare() {
  Dir = new QTemporaryDir;
  Photo = Dir->filePath("photo.jpg");
  Hostile = Dir->filePath("hostile.jpg");
  Qt500Scans = Dir->filePath("scans500.jpg");
  WritePhoto(Photo);
  WriteManyScans(Hostile, 20000);
  WriteManyScans(Qt500Scans, 500);
  // The worst a picture within every limit can do: 64 megapixels, and repeats up to the scan
  // limit (libjpeg's script has 10 scans of its own).
  AtTheLimit = Dir->filePath("limit.jpg");
  WriteManyScans(AtTheLimit, PictureLimits::MaxScans - 10, QSize(8192, 8192));
  Files["repeated scan, 64 MP"] = AtTheLimit;
  using namespace HostileJpeg;
  const auto write = [](const std::string &name, const TPicture &picture) {
    const QString path = Dir->filePath(QString::fromStdString(name).replace(' ', '_') + ".jpg");
    QFile out(path);
    const QByteArray bytes = Bytes(picture);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
      qFatal("cannot write %s", qPrintable(path));
    Files[name] = path;
  };
  const QList<TScan> twoScans{{{0}, 0, 0, 0, 0}, {{0}, 1, 63, 0, 0}};
  QByteArray markers;
  for (int i = 0; i < 242000; ++i)
    markers += QByteArray("\xFF", 1) + char(0xD0 + i % 8);
  write("valid scans, 64 MP", {QSize(8192, 8192), 1, ValidGreyScans(99), {}});
  write("padding, 32 x 157", {QSize(32, 157), 1, twoScans, QByteArray(484000, '\x55')});
  write("restart markers, 32 x 157", {QSize(32, 157), 1, twoScans, markers});
  // Half the most coded data a picture may have after each of its two scans.
  write("restart markers, 64 MP",
        {QSize(8192, 8192), 1, twoScans,
         markers.repeated(PictureLimits::MaxCodedBytes / 4 / markers.size())});
  // The most scans within the block limit.
  write("most scans accepted, 64 MP",
        {QSize(8192, 8192), 1, ValidGreyScans(PictureLimits::MaxScanBlocks >> 20), {}});
}

void LevelPhotoThroughLoader(benchmark::State &state) {
  for (auto _ : state) {
    const TLevelPicture picture =
        TLevelPictureLoader::Load({.Path = Photo, .Type = PictureJpeg, .GridSize = Grid});
    if (!picture.Decoded.Ok())
      state.SkipWithError(qPrintable(picture.Decoded.Reason));
    benchmark::DoNotOptimize(picture.Decoded.Image.constBits());
  }
}

// What a level start did before: the whole picture decoded by Qt, then fitted.
void LevelPhotoWholeThroughQt(benchmark::State &state) {
  for (auto _ : state) {
    QImageReader reader(Photo, "jpeg");
    const QImage whole = reader.read();
    const auto geometry = PictureGeometry(whole.size(), Grid);
    const QImage shown = whole.scaled(geometry->Width, geometry->Height, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    benchmark::DoNotOptimize(shown.constBits());
  }
}

void HostileRefused(benchmark::State &state) {
  for (auto _ : state) {
    const TDecodedPicture picture = TPictureDecoder().DecodeFile(Hostile, PictureJpeg, Grid);
    if (picture.Fault != TPictureFault::TooManyScans)
      state.SkipWithError("the hostile picture was not refused for its scans");
    benchmark::DoNotOptimize(picture.Reason.size());
  }
}

// One of the files above made ready for a level (or refused): what the start key waits for.
void HostileLevel(benchmark::State &state, const std::string &name) {
  for (auto _ : state) {
    const TLevelPicture picture = TLevelPictureLoader::Load(
        {.Path = Files[name], .Type = PictureJpeg, .GridSize = HostileGrid});
    state.SetLabel(picture.Decoded.Ok() ? "decoded" : "refused");
    benchmark::DoNotOptimize(picture.Decoded.Image.constBits());
  }
}

// The same file through the decoder without the bounds on work (the scan limit alone), as levels
// were decoded before: Qt's reader refuses 64 megapixels outright, so it is no baseline here.
void HostileUnbounded(benchmark::State &state, const std::string &name) {
  constexpr TPictureLimits unbounded{.MaxScanBlocks = std::numeric_limits<qint64>::max(),
                                     .MaxCodedBytes = PictureLimits::MaxStoredBytes,
                                     .MaxCodedBytesPerPixel = 0};
  for (auto _ : state) {
    const TDecodedPicture picture = TPictureDecoder(unbounded).DecodeFile(
        Files[name], PictureJpeg, TPictureUse::Level(HostileGrid));
    state.SetLabel(picture.Ok() ? "decoded" : "refused");
    benchmark::DoNotOptimize(picture.Image.constBits());
  }
}

// How long a loader that drops its picture part way through that decode still works on it: what
// closing the game would wait for.
void AbandonedPartWay(benchmark::State &state) {
  for (auto _ : state) {
    TLevelPictureLoader loader(true);
    loader.Request({.Path = AtTheLimit, .Type = PictureJpeg, .GridSize = Grid});
    QThread::msleep(300);
    QElapsedTimer clock;
    clock.start();
    loader.Drop();
    while (loader.Working())
      QThread::usleep(100);
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
  }
}

void Hostile500ScansThroughQt(benchmark::State &state) {
  for (auto _ : state) {
    QImageReader reader(Qt500Scans, "jpeg");
    benchmark::DoNotOptimize(reader.read().constBits());
  }
}

BENCHMARK(LevelPhotoThroughLoader)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(LevelPhotoWholeThroughQt)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(HostileRefused)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(AbandonedPartWay)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(Hostile500ScansThroughQt)->Unit(benchmark::kMillisecond)->Iterations(3);

// Prints each pair's ratio after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs)
      Times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    auto ratio = [this](const char *baseline, const char *ours, const char *what) {
      if (!Times.count(baseline) || !Times.count(ours) || Times[ours].second <= 0)
        return;
      const auto [ourReal, ourCpu] = Times[ours];
      const auto [baseReal, baseCpu] = Times[baseline];
      std::printf("%s: %.1fx less CPU (%.3f ms against %.3f ms; real time %.3f against %.3f)\n",
                  what, baseCpu / ourCpu, ourCpu, baseCpu, ourReal, baseReal);
    };
    ratio("LevelPhotoWholeThroughQt", "LevelPhotoThroughLoader",
          "12-MP level picture ready to show");
    ratio("Hostile500ScansThroughQt", "HostileRefused",
          "hostile JPEG refused, against Qt decoding a fortieth of it");
    for (const auto &[name, path] : Files)
      ratio(("HostileUnbounded/" + name).c_str(), ("Hostile/" + name).c_str(), name.c_str());
  }

private:
  std::map<std::string, std::pair<double, double>> Times; // real, CPU
};

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  Prepare();
  for (const auto &[name, path] : Files) {
    benchmark::RegisterBenchmark(("Hostile/" + name).c_str(), HostileLevel, name)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark(("HostileUnbounded/" + name).c_str(), HostileUnbounded, name)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  delete Dir;
  return 0;
}
