#include "rules/Random.h"

namespace {

constexpr quint64 Golden = 0x9e3779b97f4a7c15ULL;

// The splitmix64 finaliser: every input bit affects every output bit.
quint64 Mix(quint64 z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

} // namespace

TRandom::TRandom(quint64 baseSeed) : BaseSeed(baseSeed), State(Mix(baseSeed)) {}

void TRandom::Reseed(qint64 nowMs) {
  // Mixing twice keeps seeds of neighbouring milliseconds far apart in the splitmix64 stream.
  State = Mix(BaseSeed ^ Mix(static_cast<quint64>(nowMs) + Golden));
}

quint64 TRandom::Next() {
  State += Golden;
  return Mix(State);
}

int TRandom::Random(int n) {
  if (n <= 0)
    return 0;
  // Multiply-and-shift with rejection of the few low products that would favour small values.
  const quint64 range = static_cast<quint64>(n);
  const quint64 threshold = (0 - range) % range;
  for (;;) {
    const unsigned __int128 product = static_cast<unsigned __int128>(Next()) * range;
    if (static_cast<quint64>(product) >= threshold)
      return static_cast<int>(product >> 64);
  }
}
