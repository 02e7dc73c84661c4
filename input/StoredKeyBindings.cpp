#include "input/StoredKeyBindings.h"

#include "media/Gamepads.h"
#include "settings/SettingsStore.h"

#include <QKeySequence>

#include <array>

namespace {

struct TActionLines {
  TPlayerAction Action;
  Setting::TKeys Keys;
  Setting::TKeys Buttons;
};

constexpr std::array<TActionLines, PlayerActionCount> Lines{{
    {TPlayerAction::Left, Setting::KeyLeft, Setting::PadLeft},
    {TPlayerAction::Right, Setting::KeyRight, Setting::PadRight},
    {TPlayerAction::Turn, Setting::KeyTurn, Setting::PadTurn},
    {TPlayerAction::Down, Setting::KeyDown, Setting::PadDown},
    {TPlayerAction::Drop, Setting::KeyDrop, Setting::PadDrop},
    {TPlayerAction::Start, Setting::KeyStart, Setting::PadStart},
    {TPlayerAction::Pause, Setting::KeyPause, Setting::PadPause},
}};

// The buttons' stored names, by TPadControl.
constexpr std::array<const char *, PadControlCount> ButtonNames{"Left", "Right", "Down",
                                                                "A",    "B",     "Start"};

const QString Separator = QStringLiteral("; ");

std::optional<TKeyCode> ButtonFromText(const QString &text) {
  for (int control = 0; control < PadControlCount; ++control)
    if (text == QLatin1StringView(ButtonNames[std::size_t(control)]))
      return PadButtonCode(control);
  return std::nullopt;
}

// A key the table can hold: one key, no modifier but the keypad's.
std::optional<TKeyCode> KeyFromText(const QString &text) {
  const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
  if (sequence.count() != 1)
    return std::nullopt;
  const QKeyCombination combination = sequence[0];
  if ((combination.keyboardModifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
      combination.key() == Qt::Key_unknown)
    return std::nullopt;
  return KeyOfEvent(combination.key(), combination.keyboardModifiers());
}

} // namespace

QString KeysText(const QList<TKeyCode> &keys, bool padButtons) {
  QStringList parts;
  for (const TKeyCode key : KeysOfKind(keys, padButtons)) {
    parts << (IsPadButton(key) ? QString::fromLatin1(ButtonNames[std::size_t(-1 - key)])
                               : QKeySequence(key).toString(QKeySequence::PortableText));
  }
  return parts.join(Separator);
}

std::optional<QList<TKeyCode>> KeysFromText(const QString &text, bool padButtons) {
  QList<TKeyCode> keys;
  for (const QString &part : text.split(Separator, Qt::SkipEmptyParts)) {
    const std::optional<TKeyCode> key =
        padButtons ? ButtonFromText(part.trimmed()) : KeyFromText(part.trimmed());
    if (!key || *key == 0)
      return std::nullopt;
    if (!keys.contains(*key))
      keys << *key;
  }
  if (keys.isEmpty())
    return std::nullopt;
  return keys;
}

QString KeyName(TKeyCode key) {
  if (IsPadButton(key))
    return QString::fromLatin1(ButtonNames[std::size_t(-1 - key)]);
  return QKeySequence(key).toString(QKeySequence::NativeText);
}

TKeyBindings ReadKeyBindings(const TSettingsStore &settings) {
  const TKeyBindings defaults = TKeyBindings::Defaults();
  TKeyBindings bindings;
  for (const TActionLines &line : Lines) {
    const QList<TKeyCode> &given = defaults.Keys(line.Action);
    bindings.SetKeys(
        line.Action,
        KeysFromText(settings.Read(line.Keys), false).value_or(KeysOfKind(given, false)) +
            KeysFromText(settings.Read(line.Buttons), true).value_or(KeysOfKind(given, true)));
  }
  return bindings;
}

void WriteKeyBindings(TSettingsStore &settings, const TKeyBindings &bindings) {
  for (const TActionLines &line : Lines) {
    settings.Write(line.Keys, KeysText(bindings.Keys(line.Action), false));
    settings.Write(line.Buttons, KeysText(bindings.Keys(line.Action), true));
  }
}
