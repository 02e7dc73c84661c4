// libFuzzer entry for picture loading and cutting into cells. The first input
// byte picks the stored type (JPEG or BMP), the second the level's grid size,
// the rest is the picture. Besides what the sanitizers catch, it holds the
// decoder to its promises: a refusal always has a reason, a decoded picture
// keeps within the limits and has its upright size, and a picture accepted for
// a grid can be cut into cells of it, which are then drawn and uncovered as a
// level does.
#include "gamefile/PictureType.h"
#include "pictures/CellPicture.h"
#include "pictures/PictureDecoder.h"
#include "rules/CellTargets.h"
#include "rules/PictureCells.h"
#include "rules/Random.h"
#include "screen/CellGrid.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Small limits keep each run fast; the checks are the same at any limit. The scans may go over
// the same share of blocks per pixel of the limit as in the game.
constexpr qint64 FuzzPixels = 1 << 20;
constexpr TPictureLimits FuzzLimits{.MaxPixels = FuzzPixels,
                                    .AllocationLimitMb = 8,
                                    .MaxBytes = 1 << 20,
                                    .MaxScanBlocks = PictureLimits::MaxScanBlocks * FuzzPixels /
                                                     PictureLimits::MaxPixels};

void Require(bool kept, const char *promise) {
  if (!kept) {
    std::fprintf(stderr, "picture decoder broke its promise: %s\n", promise);
    std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
  // The JPEG reader is a plugin: it needs an application object to be found.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  // The decoders warn about nearly every input; printing that would be most of the run.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2)
    return 0;
  const quint8 type = data[0] & 1 ? PictureBmp : PictureJpeg;
  const int grid = data[1];
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
  const TDecodedPicture picture = TPictureDecoder(FuzzLimits).Decode(bytes, type, grid);
  if (!picture.Ok()) {
    Require(!picture.Reason.isEmpty() && picture.Image.isNull(), "a refusal has a reason");
    return 0;
  }
  const QImage &image = picture.Image;
  Require(!image.isNull(), "an accepted picture has pixels");
  Require(qint64(image.width()) * image.height() <= FuzzLimits.MaxPixels, "the pixel limit holds");
  // Turned upright by an EXIF orientation or not, a whole decode has the size the cells are cut by.
  Require(image.size() == picture.StoredSize, "a whole decode is of the picture's upright size");
  if (grid == 0)
    return 0;
  TPictureCells cells;
  Require(cells.Build(image.size(), grid),
          "a picture accepted for a grid can be cut into its cells");
  const QImage shown = CellPicture(image, cells.Layout().Geometry());
  QImage window(600, 400, QImage::Format_RGB32);
  TRandom random(size);
  cells.ColourCells(random);
  DrawHiddenCells(window, cells);
  TCellTargets targets;
  targets.Choose(cells, random, 0);
  const TUncoverResult first = cells.Uncover(0, 0);
  PaintUncoveredCell(window, cells, shown, 0, 0);
  Require(first.Uncovered && first.LevelComplete == (cells.TotalCount() == 1),
          "the first cell uncovers once");
  return 0;
}
