#pragma once
// The play preferences as the settings keep them.

#include "rules/PlayPreferences.h"

class TSettingsStore;

// What the slide's times may be, in ms: a frame at the fastest, a second at the slowest.
constexpr int MinSlideRate = 16, MaxSlideTime = 1000;

TPlayPreferences ReadPlayPreferences(const TSettingsStore &settings);
void WritePlayPreferences(TSettingsStore &settings, const TPlayPreferences &preferences);

// Every sound's volume, 0 to FullSoundVolume; missing or out of range: full.
constexpr int FullSoundVolume = 100;
int ReadSoundVolume(const TSettingsStore &settings);
void WriteSoundVolume(TSettingsStore &settings, int volume);
