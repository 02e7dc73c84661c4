// libFuzzer entry for the game file reader. The input is read as a whole game and as a game that
// starts a few bytes into it (as behind an executable): header, offset table, score table and
// every record, and every picture is copied out. Besides what the sanitizers catch, it holds the
// reader to its promises: an accepted record lies inside the game, a copied picture is exactly the
// record's bytes, and no single allocation is far above the size of the input.
#include "gamefile/GameFileReader.h"

#include <QBuffer>

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Room for Qt's own small allocations, and for the level list, which holds a few dozen bytes per
// level for the 4 bytes each level takes in the offset table.
constexpr size_t AllocationSlack = 64 * 1024;
constexpr size_t AllocationPerInputByte = 16;

std::atomic<bool> Tracking{false};
std::atomic<size_t> LargestThisInput{0};
size_t LargestOverall = 0;
size_t InputOfLargest = 0;

void OnMalloc(const volatile void *, size_t size) {
  if (!Tracking.load(std::memory_order_relaxed))
    return;
  size_t seen = LargestThisInput.load(std::memory_order_relaxed);
  while (size > seen && !LargestThisInput.compare_exchange_weak(seen, size)) {
  }
}

void OnFree(const volatile void *) {}

void PrintLargest() {
  std::fprintf(stderr, "largest single allocation: %zu bytes (for an input of %zu bytes)\n",
               LargestOverall, InputOfLargest);
}

void Require(bool kept, const char *promise) {
  if (!kept) {
    std::fprintf(stderr, "game file reader broke its promise: %s\n", promise);
    std::abort();
  }
}

void ReadGame(QByteArray &input, qint64 base) {
  QBuffer device(&input);
  device.open(QIODevice::ReadOnly);
  const qint64 size = input.size() - base;
  TGameFileReader reader(device, base, size, QStringLiteral("fuzz.qbx"));
  TResult<TGameIndex> index = reader.ReadIndex();
  if (!index.Ok()) {
    Require(index.Error().startsWith(QStringLiteral("fuzz.qbx: ")), "a failure names the game");
    return;
  }
  const TGameHeader &header = index->Header;
  Require(index->Records.size() == GameFileLayout::RecordCount(header.LevelCount),
          "every record is indexed");
  Require(header.ScoreTableOffset + GameFileLayout::ScoreTableSize <= quint64(size),
          "the score table lies inside the game");
  for (const TRecordInfo &record : index->Records) {
    Require(record.Offset >= GameFileLayout::RecordsStart(header.LevelCount) &&
                record.End() <= size,
            "an accepted record lies inside the game");
    QByteArray copied;
    QBuffer out(&copied);
    out.open(QIODevice::WriteOnly);
    Require(reader.CopyPicture(record, out, QStringLiteral("out")).Ok(),
            "an accepted record copies");
    Require(copied == input.mid(base + record.PictureOffset(), record.Length),
            "a copied picture is exactly the record's bytes");
  }
  TGameData data;
  header.ApplyTo(data);
  Require(data.LevelCount() == header.LevelCount, "the level list has the level count");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
  std::atexit(PrintLargest);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
  LargestThisInput = 0;
  Tracking = true;
  ReadGame(input, 0);
  if (size > 0)
    ReadGame(input, std::min<qint64>(data[0] % 8, qint64(size)));
  Tracking = false;
  const size_t largest = LargestThisInput;
  if (largest > LargestOverall) {
    LargestOverall = largest;
    InputOfLargest = size;
  }
  Require(largest <= AllocationSlack + AllocationPerInputByte * size,
          "no single allocation is far above the input's size");
  return 0;
}
