#include "settings/StoredPreferences.h"

#include "settings/SettingsStore.h"

namespace {

// A number outside what the program offers counts as missing.
int InRange(std::optional<int> stored, int low, int high, int missing) {
  return stored && *stored >= low && *stored <= high ? *stored : missing;
}

} // namespace

TPlayPreferences ReadPlayPreferences(const TSettingsStore &settings) {
  TPlayPreferences p;
  p.DownKey = settings.Read(Setting::DownKey);
  p.UpArrowClockwise = settings.Read(Setting::UpKeyClockwise);
  p.SingleStepMovement = settings.Read(Setting::OneColumnPerPress);
  p.MotionSound = settings.Read(Setting::MotionSound);
  p.SlideDelay = InRange(settings.Read(Setting::SlideDelay), 0, MaxSlideTime, p.SlideDelay);
  p.SlideRate = InRange(settings.Read(Setting::SlideRate), MinSlideRate, MaxSlideTime, p.SlideRate);
  p.ShowLandingPlace = settings.Read(Setting::GhostPiece);
  return p;
}

void WritePlayPreferences(TSettingsStore &settings, const TPlayPreferences &preferences) {
  settings.Write(Setting::DownKey, preferences.DownKey);
  settings.Write(Setting::UpKeyClockwise, preferences.UpArrowClockwise);
  settings.Write(Setting::OneColumnPerPress, preferences.SingleStepMovement);
  settings.Write(Setting::MotionSound, preferences.MotionSound);
  settings.Write(Setting::SlideDelay, preferences.SlideDelay);
  settings.Write(Setting::SlideRate, preferences.SlideRate);
  settings.Write(Setting::GhostPiece, preferences.ShowLandingPlace);
}

int ReadSoundVolume(const TSettingsStore &settings) {
  return InRange(settings.Read(Setting::SoundVolume), 0, FullSoundVolume, FullSoundVolume);
}

void WriteSoundVolume(TSettingsStore &settings, int volume) {
  settings.Write(Setting::SoundVolume, volume);
}
