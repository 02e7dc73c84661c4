// The cost of one frame tick of the game, on the bundled default game under virtual time:
// on the title screen, and in play with a piece falling. Prints the median and the 99th
// percentile per tick. The naive baseline redraws the whole play field every frame, as a game
// that did not keep its surface between frames would.
#include "app/Game.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

struct TBenchGame {
  TBenchGame() : Settings(Config.filePath("Quarrybox.conf")), Game(Scheduler, Settings, 7) {
    TStartup startup;
    startup.ProgramPath = QStringLiteral(QB_PROGRAM_DIR) + "/quarrybox";
    startup.WindowHandle = "1";
    Game.Start(startup);
    Scheduler.Advance(50); // the title
  }
  QTemporaryDir Config;
  TScheduler Scheduler;
  TSettingsStore Settings;
  TGame Game;
};

// Runs ticks one at a time and reports the distribution of their durations.
template <class TBeforeTick>
void MeasureTicks(benchmark::State &state, TBenchGame &bench, TBeforeTick beforeTick) {
  std::vector<double> micros;
  micros.reserve(1 << 16);
  for (auto _ : state) {
    beforeTick();
    const auto start = std::chrono::steady_clock::now();
    bench.Scheduler.Advance(16);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

void TitleTick(benchmark::State &state) {
  TBenchGame bench;
  MeasureTicks(state, bench, [] {});
  state.counters["presents"] = bench.Game.Screen().Surface().PresentCount();
}
BENCHMARK(TitleTick)->Iterations(20000);

void PlayingTick(benchmark::State &state) {
  TBenchGame bench;
  bench.Game.Run(TCommand::StartGame);
  // A game that ends (the stack reaches the top) starts again, outside the timed part.
  MeasureTicks(state, bench, [&bench] {
    if (bench.Game.Model().GameState() != StatePlaying)
      bench.Game.Run(TCommand::StartGame);
  });
}
BENCHMARK(PlayingTick)->Iterations(20000);

// Baseline: the whole play field redrawn every frame (background, then the four blocks).
void NaiveFullRedraw(benchmark::State &state) {
  QImage surface(198, 360, QImage::Format_RGB32);
  QImage background(198, 360, QImage::Format_RGB32);
  background.fill(Qt::darkGray);
  QImage block(18, 18, QImage::Format_ARGB32_Premultiplied);
  block.fill(Qt::yellow);
  for (auto _ : state) {
    QPainter p(&surface);
    p.drawImage(0, 0, background);
    for (int b = 0; b < 4; ++b)
      p.drawImage(80 + 20 * b, 100, block);
    benchmark::DoNotOptimize(surface.bits());
  }
}
BENCHMARK(NaiveFullRedraw)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
