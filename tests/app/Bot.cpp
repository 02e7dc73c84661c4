#include "tests/app/Bot.h"

#include <limits>

TBot::TBot(TGameHarness &h, std::function<void(TMove)> perform)
    : H(h), Perform(std::move(perform)) {
  if (!Perform)
    Perform = [this](TMove move) {
      static constexpr int keys[] = {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space};
      H.Tap(keys[move]);
    };
}

void TBot::Step() {
  TGame &game = *H.Game;
  if (!game.Model().Session().Piece.Active()) {
    H.Frames(1);
    return;
  }
  const TPiece &piece = game.Model().Session().Piece.Piece();
  const TSquare first = piece.Block(0);
  if (game.Model().Session().Piece.PiecesMade() != Current) {
    Current = game.Model().Session().Piece.PiecesMade();
    Planned = Dropped = false;
  }
  if (Dropped) {
    H.Frames(1);
    return;
  }
  // Turns need the piece clear of the top row.
  if (!Planned && first.Row <= 17 && !game.Model().Session().Piece.SteppingDown())
    Plan();
  if (!Planned) {
    H.Frames(1);
    return;
  }
  if (piece.Turn != TargetState)
    Perform(Turn);
  else if (first.Col < TargetCol)
    Perform(Right);
  else if (first.Col > TargetCol)
    Perform(Left);
  else {
    Perform(Drop);
    Dropped = true;
  }
  H.Frames(1);
}

TBot::TGrid TBot::Well() const {
  TGrid g{};
  for (int c = 1; c <= 10; ++c)
    for (int r = 1; r <= 18; ++r)
      g[c][r] = H.Game->Model().Session().Well.Square(c, r).Occupied;
  return g;
}

void TBot::Plan() {
  TGame &game = *H.Game;
  const TPiece &piece = game.Model().Session().Piece.Piece();
  const int type = piece.Type;
  const TSquare first = piece.Block(0);
  const TSquare now = ShapeSquare(type, 0, piece.Turn);
  const int shiftRow = first.Row - now.Row;
  const TGrid grid = Well();
  double best = -std::numeric_limits<double>::infinity();
  for (int state = 1; state <= 4; ++state) {
    for (int dx = -9; dx <= 9; ++dx) {
      std::array<TSquare, 4> squares;
      bool inside = true;
      for (int b = 0; b < 4; ++b) {
        const TSquare s = ShapeSquare(type, b, state);
        squares[b] = {s.Col + (first.Col - now.Col) + dx, s.Row + shiftRow};
        inside = inside && squares[b].Col >= 1 && squares[b].Col <= 10 && squares[b].Row <= 18;
      }
      if (!inside)
        continue;
      const double score = Evaluate(grid, squares);
      if (score > best) {
        best = score;
        TargetState = state;
        TargetCol = squares[0].Col;
      }
    }
  }
  Planned = true;
}

// Drops the piece in the grid and rates the result.
double TBot::Evaluate(TGrid grid, std::array<TSquare, 4> squares) {
  const auto fits = [&](int down) {
    for (const TSquare &s : squares)
      if (s.Row - down < 1 || grid[s.Col][s.Row - down])
        return false;
    return true;
  };
  if (!fits(0))
    return -std::numeric_limits<double>::infinity();
  int down = 0;
  while (fits(down + 1))
    ++down;
  for (const TSquare &s : squares)
    grid[s.Col][s.Row - down] = true;
  int lines = 0;
  for (int r = 18; r >= 1; --r) {
    bool full = true;
    for (int c = 1; c <= 10; ++c)
      full = full && grid[c][r];
    if (!full)
      continue;
    ++lines;
    for (int c = 1; c <= 10; ++c) {
      for (int j = r; j < 18; ++j)
        grid[c][j] = grid[c][j + 1];
      grid[c][18] = false;
    }
  }
  int heightSum = 0, holes = 0, bumps = 0, previous = -1;
  for (int c = 1; c <= 10; ++c) {
    int h = 0;
    for (int r = 18; r >= 1; --r)
      if (grid[c][r]) {
        h = r;
        break;
      }
    for (int r = 1; r < h; ++r)
      holes += grid[c][r] ? 0 : 1;
    heightSum += h;
    if (previous >= 0)
      bumps += std::abs(h - previous);
    previous = h;
  }
  return 0.76 * lines - 0.51 * heightSum - 0.36 * holes * 2 - 0.18 * bumps;
}
