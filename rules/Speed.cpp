#include "rules/Speed.h"

#include "rules/Rounding.h"

int FallIntervalForHidden(int hidden, int total, int current) {
  if (total <= 0)
    return current;
  const int percent = RoundHalfEven(double(hidden) / total * 100);
  return 10 * percent > ShareRuleFloor ? 10 * percent : current;
}

int SpedUpInterval(int current) {
  const int shorter = current - SpeedUpStep;
  return shorter >= SpeedUpFloor ? shorter : current;
}

int DropBonus(int block0Row) {
  if (block0Row >= 12)
    return 20;
  if (block0Row >= 6)
    return 10;
  return 0;
}
