#pragma once
// The play preferences as the settings keep them.

#include "rules/PlayPreferences.h"

class TSettingsStore;

TPlayPreferences ReadPlayPreferences(const TSettingsStore &settings);
void WritePlayPreferences(TSettingsStore &settings, const TPlayPreferences &preferences);
