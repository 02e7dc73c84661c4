#pragma once
// The key bindings as the settings keep them: a line per action, in Qt's portable key texts
// ("Left; H; Num+4"), and a line per action for the controllers' buttons ("Down; A"). A line
// that is missing, empty or holds a text that names no key gives that action its default keys.

#include "input/KeyBindings.h"

#include <QString>

#include <optional>

class TSettingsStore;

TKeyBindings ReadKeyBindings(const TSettingsStore &settings);
void WriteKeyBindings(TSettingsStore &settings, const TKeyBindings &bindings);

// One action's keys as a line, and back; nothing when a part of the line names no key.
QString KeysText(const QList<TKeyCode> &keys, bool padButtons);
std::optional<QList<TKeyCode>> KeysFromText(const QString &text, bool padButtons);
// A key (or button) as the player reads it, in the player's language ("Left", "Num+8", "A").
QString KeyName(TKeyCode key);
