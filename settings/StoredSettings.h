#pragma once
// Every value the program keeps between runs, in one list: its stored name, its type, what a
// missing value means and how its values are spelt in the file. Nothing else in the program
// names a setting; TSettingsStore::Read and Write take these keys.
//
// The spellings are the file's format: files written by earlier versions must read the same, so
// a value's first spelling is the one written, and text that is none of them has a meaning too.

#include "rules/PlayPreferences.h"

#include <array>
#include <utility>

namespace Setting {

// A stand-alone game keeps only the player's preferences; every other value is the main
// program's alone.
enum TScope { Program, Preference };

// Text kept as it is (a path, a name, a window id); empty when missing.
struct TText {
  const char *Name;
  TScope Scope = Program;
};

// A whole number; none when missing or not a number.
struct TNumber {
  const char *Name;
  TScope Scope = Program;
};

// One of a few values, each stored as one of its spellings (the first is the one written).
// Missing text reads as Missing; any other text as Other.
template <typename T, std::size_t N> struct TChoice {
  const char *Name;
  std::array<std::pair<const char *, T>, N> Spellings;
  T Missing;
  T Other;
  TScope Scope = Program;
};
using TFlag = TChoice<bool, 2>;

// The player's preferences.
inline constexpr TFlag SoundOn{
    "SoundState", {{{"ON", true}, {"OFF", false}}}, true, false, Preference};
inline constexpr TChoice<TDownKey, 3> DownKey{
    "DownArrow",
    {{{"Drop", TDownKey::Drop}, {"Rotate", TDownKey::Rotate}, {"Fall", TDownKey::Fall}}},
    TDownKey::Drop,
    TDownKey::Rotate,
    Preference};
inline constexpr TFlag UpKeyClockwise{
    "UpArrow", {{{"CW", true}, {"ACW", false}}}, false, true, Preference};
inline constexpr TFlag OneColumnPerPress{
    "Movement", {{{"Tetris", true}, {"Slide", false}}}, true, false, Preference};
inline constexpr TFlag MotionSound{
    "RotateSND", {{{"YES", true}, {"NO", false}}}, true, false, Preference};
// A held sideways key's slide, in ms: before the second column, then between columns.
inline constexpr TNumber SlideDelay{"SlideDelay", Preference};
inline constexpr TNumber SlideRate{"SlideRate", Preference};
inline constexpr TFlag GhostPiece{
    "GhostPiece", {{{"YES", true}, {"NO", false}}}, false, false, Preference};
// Every sound's volume, 0 to 100; missing: 100.
inline constexpr TNumber SoundVolume{"SoundVolume", Preference};
inline constexpr TNumber WindowSize{"WindowSize", Preference}; // the picture's scale, 1 to 3
inline constexpr TFlag FullScreen{
    "FullScreen", {{{"ON", true}, {"OFF", false}}}, false, false, Preference};

// The keys of each of the player's actions: Qt's portable key texts separated by "; ", as
// QKeySequence::listFromString reads them ("Left; H; Num+4"); and the game controllers' buttons
// (Left, Right, Down, A, B, Start) the same way. Missing or unreadable: the default keys.
struct TKeys {
  const char *Name;
  TScope Scope = Preference;
};
inline constexpr TKeys KeyLeft{"KeyLeft"}, KeyRight{"KeyRight"}, KeyTurn{"KeyTurn"},
    KeyDown{"KeyDown"}, KeyDrop{"KeyDrop"}, KeyStart{"KeyStart"}, KeyPause{"KeyPause"};
inline constexpr TKeys PadLeft{"PadLeft"}, PadRight{"PadRight"}, PadTurn{"PadTurn"},
    PadDown{"PadDown"}, PadDrop{"PadDrop"}, PadStart{"PadStart"}, PadPause{"PadPause"};

// The main window and the games it opened.
inline constexpr TNumber WindowLeft{"QuarryboxLeft"};
inline constexpr TNumber WindowTop{"QuarryboxTop"};
inline constexpr TText LastGame{"LastGame"};
inline constexpr TText OpenFolder{"QBXOpenPath"}; // where Open Game looks first
inline constexpr TText SaveFolder{"QBXSavePath"}; // where Save Game As looks first
inline constexpr std::array<TText, 10> RecentGames{{{"RecentGame1"},
                                                    {"RecentGame2"},
                                                    {"RecentGame3"},
                                                    {"RecentGame4"},
                                                    {"RecentGame5"},
                                                    {"RecentGame6"},
                                                    {"RecentGame7"},
                                                    {"RecentGame8"},
                                                    {"RecentGame9"},
                                                    {"RecentGame10"}}};

// The game builder's window and folder.
inline constexpr TNumber BuilderLeft{"BuilderLeft"};
inline constexpr TNumber BuilderTop{"BuilderTop"};
inline constexpr TText BuilderOpenFolder{"QBXBuilderOpenPath"};

// Between copies of the program: the running one's window id, which a second start reads to
// know that one runs, and the game file that start hands over to it.
inline constexpr TText WindowHandle{"QRXHandle"};
inline constexpr TText HandedOverGame{"NewQBXFile"};

// What the running program says of itself, for other programs to read.
inline constexpr TText ProgramPath{"QuarryboxPath"};
inline constexpr TText ProgramVersion{"QuarryboxVer"};
inline constexpr TText StoreVersion{"QRXVer"};
// The earlier version's values were moved over once.
inline constexpr TFlag OldVersionCopied{
    "OLDRegCopied", {{{"YES", true}, {"NO", false}}}, false, false};

} // namespace Setting
