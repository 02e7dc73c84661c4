#include "settings/StoredPreferences.h"

#include "settings/SettingsStore.h"

TPlayPreferences ReadPlayPreferences(const TSettingsStore &settings) {
  TPlayPreferences p;
  p.DownArrowDrops = settings.Read(Setting::DownKeyDrops);
  p.UpArrowClockwise = settings.Read(Setting::UpKeyClockwise);
  p.SingleStepMovement = settings.Read(Setting::OneColumnPerPress);
  p.MotionSound = settings.Read(Setting::MotionSound);
  return p;
}

void WritePlayPreferences(TSettingsStore &settings, const TPlayPreferences &preferences) {
  settings.Write(Setting::DownKeyDrops, preferences.DownArrowDrops);
  settings.Write(Setting::UpKeyClockwise, preferences.UpArrowClockwise);
  settings.Write(Setting::OneColumnPerPress, preferences.SingleStepMovement);
  settings.Write(Setting::MotionSound, preferences.MotionSound);
}
