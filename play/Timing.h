#pragma once
// Every rate and duration of the game, in milliseconds.

namespace Timing {
constexpr int FrameInterval = 16;
constexpr int TitleDelay = 25;
constexpr int FirstFallInterval = 1000;
constexpr int SpeedUpPeriod = 120000;
constexpr int NoFlashDelay = 150;
constexpr int FlashInterval = 100;
constexpr int LockDelay = 150;
constexpr int LockRetry = 10;
constexpr int RepaintDelay = 50;
constexpr int EndLevelDelay = 50;
constexpr int PausePoll = 5;
constexpr int ExitDelay = 50;
// A start key that waits this long for the level's picture is told so on the window.
constexpr int PictureNoticeDelay = 250;
} // namespace Timing
