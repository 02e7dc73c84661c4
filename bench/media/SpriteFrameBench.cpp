// Cost of one play frame of the display layer: four 18 x 18 colour-keyed blocks drawn through
// the sprite engine, drawn again on top, and the flip. Baseline: the same copies made the naive
// way, testing every pixel against the key colour. Run: build-media/bench/bench_media.

#include "media/ImageList.h"
#include "media/ImageSprite.h"
#include "media/PlaySurface.h"
#include "media/SurfaceSpriteEngine.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QObject>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

QImage BlockPicture() {
  QImage picture(18, 18, QImage::Format_RGB888);
  picture.fill(QColor(40, 90, 200));
  for (int i = 0; i < 18; ++i) {
    picture.setPixel(i, 0, qRgb(255, 0, 0));
    picture.setPixel(0, i, qRgb(255, 0, 0));
  }
  return picture;
}

struct TFrameRig {
  QObject Owner;
  TPlaySurface Draw{&Owner};
  TImageList Images{&Draw};
  TSurfaceSpriteEngine Sprites{Draw};
  std::array<TImageSprite *, 4> Blocks{};

  TFrameRig() {
    TImageListItem &figure = Images.Add();
    figure.SetPicture(BlockPicture());
    figure.SetTransparent(true);
    figure.SetTransparentColor(qRgb(255, 0, 0));
    Draw.Initialize();
    for (int i = 0; i < 4; ++i) {
      Blocks[i] = new TImageSprite(&Sprites.Engine());
      Blocks[i]->SetImage(&figure);
      Blocks[i]->SetWidth(18);
      Blocks[i]->SetHeight(18);
      Blocks[i]->SetX(60 + 20 * i);
      Blocks[i]->SetY(100);
      Blocks[i]->SetZ(2);
    }
  }
  ~TFrameRig() { Draw.Finalize(); }
};

void BM_PlayFrame(benchmark::State &state) {
  TFrameRig rig;
  for (auto _ : state) {
    rig.Sprites.Move(16);
    rig.Sprites.RemoveDead();
    rig.Sprites.Draw();
    rig.Draw.Surface().ReleaseCanvas();
    for (TImageSprite *block : rig.Blocks)
      block->DrawSelf();
    rig.Draw.Flip();
  }
  state.counters["presents"] = rig.Draw.PresentCount();
}
BENCHMARK(BM_PlayFrame);

// Eight block copies per frame, as above, made with one prepared image draw each.
void BM_KeyedCopyPrepared(benchmark::State &state) {
  TFrameRig rig;
  TImageListItem &figure = rig.Images.Items(0);
  for (auto _ : state) {
    for (int i = 0; i < 8; ++i)
      figure.Draw(rig.Draw.Surface(), 60 + 20 * (i % 4), 100, 0);
    benchmark::DoNotOptimize(rig.Draw.Surface().Image().constBits());
  }
}
BENCHMARK(BM_KeyedCopyPrepared);

// The naive way: every pixel of the source tested against the key on every copy (scan lines
// of an RGB32 copy, no per-pixel function calls).
void BM_KeyedCopyNaive(benchmark::State &state) {
  QImage surface(198, 360, QImage::Format_RGB32);
  surface.fill(Qt::black);
  const QImage picture = BlockPicture().convertToFormat(QImage::Format_RGB32);
  const QRgb key = qRgb(255, 0, 0);
  for (auto _ : state) {
    for (int i = 0; i < 8; ++i) {
      const int x0 = 60 + 20 * (i % 4);
      for (int y = 0; y < 18; ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(surface.scanLine(100 + y)) + x0;
        for (int x = 0; x < 18; ++x) {
          if (from[x] != key)
            to[x] = from[x];
        }
      }
    }
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_KeyedCopyNaive);

// A frame that drew nothing: the flip must cost next to nothing.
void BM_FlipUnchanged(benchmark::State &state) {
  TFrameRig rig;
  int presented = 0;
  rig.Draw.OnPresent = [&](const QRect &) { ++presented; };
  rig.Draw.Flip();
  for (auto _ : state)
    rig.Draw.Flip();
  state.counters["presents"] = presented;
}
BENCHMARK(BM_FlipUnchanged);

// Prints the usual table, then the prepared copy's speed against the naive one.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  TRatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      if (run.run_type == Run::RT_Iteration)
        Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto prepared = Times.find("BM_KeyedCopyPrepared");
    const auto naive = Times.find("BM_KeyedCopyNaive");
    if (prepared != Times.end() && naive != Times.end() && prepared->second > 0)
      std::printf("keyed copy, naive / prepared: %.2fx\n", naive->second / prepared->second);
  }

private:
  std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
