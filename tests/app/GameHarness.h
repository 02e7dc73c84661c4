#pragma once
// A game under virtual time in a scratch program folder: a game file made from painted
// pictures, a settings file of its own, and helpers to run frames and press keys.

#include "app/Game.h"
#include "input/KeyBindings.h"
#include "media/Scheduler.h"
#include "settings/SettingsStore.h"
#include "tests/app/Fakes.h"

#include <QRect>
#include <QSize>
#include <QTemporaryDir>

#include <memory>
#include <vector>

struct TTestLevel {
  QSize Size{200, 200};
  int Grid = 100; // 200 x 200 with grid 100: 2 x 2 cells
  bool Bmp = false;
  bool Undecodable = false; // stored bytes that no picture reader accepts
  QByteArray Jpeg{};        // stored as they are instead of a painted picture, when set
};

class TGameHarness {
public:
  TGameHarness();

  // Writes a game of these levels into the program folder's Games folder; returns its path.
  QString MakeGame(const QString &name, const std::vector<TTestLevel> &levels);
  // Start-up as the program named "quarrybox" in the scratch folder, or as another program file.
  void Start(const QStringList &arguments = {}, const QString &program = {});
  // The title, then Start Game: the first level is being played.
  void StartPlaying();

  void Frames(int count);
  void Advance(int ms) { Scheduler.Advance(ms); }
  void Press(int vk) { Game->Keys().Press(vk); }
  void Release(int vk) { Game->Keys().Release(vk); }
  // Pressed for one frame, then released.
  void Tap(int vk);

  QList<QRect> Screens; // the screens' available areas at start-up; none: placement unchecked
  QString DataHome;     // the XDG data folder; none: the recent games stay in the settings
  QTemporaryDir Dir;
  QString Folder; // with a trailing '/'
  TScheduler Scheduler;
  TSettingsStore Settings;
  std::unique_ptr<TGame> Game;
  TFakeDialogs Dialogs;
  TFakeSound Sound;
};
