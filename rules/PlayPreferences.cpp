#include "rules/PlayPreferences.h"

TPlayPreferences TPlayPreferences::Read(const std::function<QString(const QString &)> &setting) {
  const auto isOrEmpty = [](const QString &v, const char *text) {
    return v.isEmpty() || v == text;
  };
  TPlayPreferences p;
  const QString down = setting("DownArrow");
  p.DownArrowFalls = down == "Fall";
  p.DownArrowDrops = isOrEmpty(down, "Drop");
  const QString up = setting("UpArrow");
  p.UpArrowClockwise = !up.isEmpty() && up != "ACW";
  p.SingleStepMovement = isOrEmpty(setting("Movement"), "Tetris");
  p.MotionSound = isOrEmpty(setting("RotateSND"), "YES");
  return p;
}
