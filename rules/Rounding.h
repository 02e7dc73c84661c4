#pragma once
// The two integer conversions of the original runtime. Every centring rule rounds half to even
// and the picture-cell geometry truncates toward zero; using the wrong one moves a picture or a
// cell grid by a pixel.

#include <cmath>

// Round to the nearest integer, an exact half going to the even neighbour: 0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -0.5 -> 0, -1.5 -> -2.
inline int RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  int result = static_cast<int>(below);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
    ++result;
  return result;
}

// Drop the fraction: 2.9 -> 2, -2.9 -> -2.
inline int Trunc(double x) { return static_cast<int>(std::trunc(x)); }

// Offset that centres something of size inner within size outer; negative when it is larger.
inline int CentreOffset(int outer, int inner) { return RoundHalfEven((outer - inner) / 2.0); }
