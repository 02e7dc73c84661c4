#pragma once
// The program's own sounds: 22 clips synthesised at build time (tools/soundgen) and embedded
// as ":/sounds/<name>.wav".

#include <array>

class QString;
class TSoundClip;
class TSoundClipList;

// The names, in the order the sound list holds them.
inline constexpr std::array<const char *, 22> BuiltinSoundNames{
    "StartQRX",  "EnterGame",  "EndLevel",    "EndGame",   "HiScore",   "EnterScore",
    "Dialog",    "RotateLeft", "RotateRight", "Pause",     "LineOne",   "LineTwo",
    "LineThree", "LineFour",   "FallDown1",   "FallDown2", "FallDown3", "FallDown4",
    "FallDown5", "FallDown6",  "FallDown7",   "FallDown"};

// Registers the embedded clips (once, however often it is called); they live in a static library,
// so call this before use.
void InitBuiltinSounds();
// Adds the clip of that name, not looped. Throws TMediaError when there is none.
TSoundClip &AddBuiltinSound(TSoundClipList &list, const QString &name);
