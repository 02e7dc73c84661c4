#pragma once
// The rules that set the fall interval (the DownTimer interval, the time the piece takes to
// fall one row) and the drop bonus. The timer periods themselves live with the other timings.

// In milliseconds.
constexpr int SpeedUpStep = 100;
constexpr int SpeedUpFloor = 100;   // the timed speed-up never goes below this
constexpr int ShareRuleFloor = 200; // the hidden-share rule sets only intervals above this

// Fall interval after preparing a piece: ten times the hidden percentage while that is above
// 200 ms, so the piece falls faster as the picture is uncovered; below it, `current` stays.
int FallIntervalForHidden(int hidden, int total, int current);
// The two-minute speed-up: 100 ms shorter, unless that would go below 100 ms.
int SpedUpInterval(int current);
// Points for dropping a piece whose block 0 is in row `block0Row` before the drop.
int DropBonus(int block0Row);
