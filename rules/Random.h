#pragma once
// The program's single pseudo-random generator. Every draw of the game (shapes, targets, cell
// colours) comes from one TRandom, in the order the game makes them.
//
// The game reseeds "from the clock" before almost every piece, often at consecutive
// milliseconds, so Reseed() passes the clock value and the base seed through a strong 64-bit
// mixer: neighbouring clock values give unrelated sequences and the draws stay uniform and
// independent across reseeds. The running program passes a time-based base seed; a given base
// seed together with the same (virtual) clock times at every reseed reproduces a game exactly.

#include <QtGlobal>

class TRandom {
public:
  explicit TRandom(quint64 baseSeed);

  // Seed the generator from the clock.
  void Reseed(qint64 nowMs);
  // An integer 0 <= x < n, every value equally likely; 0 when n <= 0.
  int Random(int n);

private:
  quint64 Next();

  quint64 BaseSeed;
  quint64 State;
};
