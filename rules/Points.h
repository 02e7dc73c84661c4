#pragma once
// What each scoring event is worth.

constexpr int LandingPoints = 10;
constexpr int BottomRowPoints[] = {30, 20, 10}; // added one by one for each full row 1
constexpr int UncoveredCellPoints = 100;
constexpr int RowsBonusPerRow = 10; // times the rows removed by one landing
constexpr int LevelPoints = 1000;   // level finished or skipped
