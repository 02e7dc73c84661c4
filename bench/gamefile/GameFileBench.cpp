// Saving and copying out a large game against a plain file copy of the same bytes.
// A game of 100 levels with 2 MB pictures (and 2 MB skins) is saved with WriteGameFile and its
// pictures copied out with ExtractAllPictures; the baseline copies the saved game file with a
// plain read/write loop, once without and once with fsync (a save syncs before it renames).
#include "gamefile/GameFile.h"
#include "gamefile/WorkingPictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Levels = 100;
constexpr int PictureSize = 2 * 1024 * 1024;

struct TBenchGame {
  QTemporaryDir Dir;
  TGameData Data;
  QString GamePath;
  qint64 GameSize = 0;
};

TBenchGame *Game = nullptr;

QString MakePicture(const QString &path, int seed) {
  QByteArray bytes(PictureSize, '\0');
  quint32 state = quint32(seed) + 1;
  for (char &b : bytes) {
    state = state * 1664525u + 1013904223u;
    b = char(state >> 24);
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
  return path;
}

void Prepare() {
  Game = new TBenchGame;
  QDir(Game->Dir.path()).mkpath("pictures");
  QDir(Game->Dir.path()).mkpath("program");
  int seed = 0;
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver}) {
    Game->Data.Skin(kind).Path =
        MakePicture(Game->Dir.filePath(QStringLiteral("pictures/s%1.jpg").arg(seed)), seed);
    Game->Data.Skin(kind).Type = PictureJpeg;
    ++seed;
  }
  for (int i = 0; i < Levels; ++i, ++seed)
    Game->Data.Levels.append(
        {MakePicture(Game->Dir.filePath(QStringLiteral("pictures/l%1.jpg").arg(i)), seed),
         PictureJpeg, 44});
  Game->GamePath = Game->Dir.filePath("big.qbx");
  if (!WriteGameFile(Game->GamePath, Game->Data).Ok())
    qFatal("cannot write the game");
  Game->GameSize = QFileInfo(Game->GamePath).size();
}

void BM_WriteGameFile(benchmark::State &state) {
  const QString target = Game->Dir.filePath("saved.qbx");
  for (auto _ : state) {
    const TStatus status = WriteGameFile(target, Game->Data);
    if (!status.Ok())
      state.SkipWithError(qPrintable(status.Error()));
  }
  state.SetBytesProcessed(state.iterations() * Game->GameSize);
}

void BM_ExtractAllPictures(benchmark::State &state) {
  const QString folder = Game->Dir.filePath("program/");
  for (auto _ : state) {
    TGameData data;
    const TStatus status = ExtractAllPictures(Game->GamePath, data, folder);
    if (!status.Ok())
      state.SkipWithError(qPrintable(status.Error()));
  }
  state.SetBytesProcessed(state.iterations() * Game->GameSize);
}

// The plain copy: into a new file (replacing a file by truncating it makes ext4 write the old
// one back first), 1 MiB at a time, nothing checked but the counts.
void PlainCopy(benchmark::State &state, bool sync) {
  const QByteArray from = QFile::encodeName(Game->GamePath);
  const QByteArray to = QFile::encodeName(Game->Dir.filePath("copy.qbx"));
  std::vector<char> buffer(1 << 20);
  for (auto _ : state) {
    unlink(to.constData());
    const int in = open(from.constData(), O_RDONLY);
    const int out = open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ssize_t got;
    while ((got = read(in, buffer.data(), buffer.size())) > 0)
      if (write(out, buffer.data(), size_t(got)) != got)
        state.SkipWithError("short write");
    if (sync)
      fsync(out);
    close(out);
    close(in);
  }
  state.SetBytesProcessed(state.iterations() * Game->GameSize);
}

void BM_PlainCopy(benchmark::State &state) { PlainCopy(state, false); }
void BM_PlainCopySynced(benchmark::State &state) { PlainCopy(state, true); }

BENCHMARK(BM_WriteGameFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_ExtractAllPictures)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PlainCopySynced)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Keeps each benchmark's time per iteration for the ratios printed at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  std::map<std::string, double> Times;

  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs)
      Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  Prepare();
  std::printf("game: %d levels, %lld bytes\n", Levels, static_cast<long long>(Game->GameSize));
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto ratio = [&](const char *a, const char *b) {
    const auto x = reporter.Times.find(a + std::string("/iterations:5/real_time"));
    const auto y = reporter.Times.find(b + std::string("/iterations:5/real_time"));
    if (x != reporter.Times.end() && y != reporter.Times.end())
      std::printf("%-22s / %-18s = %.2fx\n", a, b, x->second / y->second);
  };
  ratio("BM_WriteGameFile", "BM_PlainCopy");
  ratio("BM_WriteGameFile", "BM_PlainCopySynced");
  ratio("BM_ExtractAllPictures", "BM_PlainCopy");
  delete Game;
  benchmark::Shutdown();
  return 0;
}
