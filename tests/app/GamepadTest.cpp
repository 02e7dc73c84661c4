// Game controllers through SDL's virtual joystick, so no hardware is needed: plugging in and out
// while the game runs, the stick's dead zone, the controls' meaning in play, and a whole level
// played with controller buttons only, under virtual time. The input device folder the game
// watches is a temporary one, changed by the tests.
#include "app/GamepadControl.h"
#include "media/Gamepads.h"
#include "media/InputDeviceWatch.h"
#include "tests/app/Bot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A controller that a test plugs in, presses and pulls out.
class TVirtualPad {
public:
  TVirtualPad() {
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    Stick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
  }
  ~TVirtualPad() { Unplug(); }

  bool Plugged() const { return Stick != nullptr; }
  void Button(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(Stick, button, down ? 1 : 0);
  }
  void Axis(SDL_GameControllerAxis axis, int value) {
    SDL_JoystickSetVirtualAxis(Stick, axis, Sint16(value));
  }
  void Unplug() {
    if (!Stick)
      return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(Stick);
    SDL_JoystickClose(Stick);
    Stick = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id)
        SDL_JoystickDetachVirtual(i);
  }

private:
  SDL_Joystick *Stick = nullptr;
};

TEST(GamepadsTest, ControllersArePluggedInAndOutWhileRunning) {
  TGamepads pads;
  ASSERT_TRUE(pads.Available());
  pads.Poll();
  const int before = pads.Count();
  {
    TVirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    pads.Poll();
    EXPECT_EQ(pads.Count(), before + 1);
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(pads.Poll().test(PadDrop));
  }
  // Pulled out with A still down: nothing stays held.
  EXPECT_EQ(pads.Poll(), TPadControls());
  EXPECT_EQ(pads.Count(), before);
  TVirtualPad second;
  pads.Poll();
  EXPECT_EQ(pads.Count(), before + 1);
}

TEST(GamepadsTest, StickMovesCountOnlyBeyondTheDeadZone) {
  TGamepads pads;
  TVirtualPad pad;
  pads.Poll();
  const struct {
    SDL_GameControllerAxis Axis;
    int Value;
    TPadControls Held;
  } rows[] = {
      {SDL_CONTROLLER_AXIS_LEFTX, 9000, {}},
      {SDL_CONTROLLER_AXIS_LEFTX, -9000, {}},
      {SDL_CONTROLLER_AXIS_LEFTY, 9000, {}},
      {SDL_CONTROLLER_AXIS_LEFTY, -30000, {}}, // up is not a move
      {SDL_CONTROLLER_AXIS_LEFTX, 20000, TPadControls().set(PadRight)},
      {SDL_CONTROLLER_AXIS_LEFTX, -20000, TPadControls().set(PadLeft)},
      {SDL_CONTROLLER_AXIS_LEFTY, 20000, TPadControls().set(PadDown)},
  };
  for (const auto &row : rows) {
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    pad.Axis(row.Axis, row.Value);
    EXPECT_EQ(pads.Poll(), row.Held) << row.Axis << " at " << row.Value;
  }
}

TEST(GamepadsTest, ButtonsAndPadGiveTheirControls) {
  TGamepads pads;
  TVirtualPad pad;
  pads.Poll();
  const std::pair<SDL_GameControllerButton, TPadControl> rows[] = {
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadLeft}, {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadRight},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadDown}, {SDL_CONTROLLER_BUTTON_A, PadDrop},
      {SDL_CONTROLLER_BUTTON_B, PadTurn},         {SDL_CONTROLLER_BUTTON_X, PadTurn},
      {SDL_CONTROLLER_BUTTON_START, PadStart},
  };
  for (const auto &[button, control] : rows) {
    pad.Button(button, true);
    EXPECT_EQ(pads.Poll(), TPadControls().set(control)) << button;
    pad.Button(button, false);
  }
  pad.Button(SDL_CONTROLLER_BUTTON_Y, true); // not used by the game
  EXPECT_EQ(pads.Poll(), TPadControls());
}

// An entry of the input device folder appears or goes, and the program hears of it.
void ChangeDevices(const QString &folder, const QString &name) {
  const QString path = folder + '/' + name;
  if (!QFile::remove(path)) {
    QFile entry(path);
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  }
  QCoreApplication::processEvents();
}

// A game of one 2 x 2 level, and a controller plugged into it.
struct TPadGame {
  void Begin() {
    H.MakeGame("Default", {TTestLevel{}});
    H.Start();
    ASSERT_TRUE(Pad.Plugged()) << SDL_GetError();
    ChangeDevices(DeviceFolder.path(), "event0"); // the plug the kernel reports
    H.Advance(50);
  }
  // Down for one frame, then up: a tap, as a player's thumb makes it.
  void Tap(SDL_GameControllerButton button) {
    Pad.Button(button, true);
    H.Frames(1);
    Pad.Button(button, false);
    H.Frames(1);
  }
  int Column() const { return H.Game->Model().Session().Piece.Piece().Block(0).Col; }
  // Waits until a new piece is in play and clear of the top row.
  void WaitForPiece() {
    for (int i = 0; i < 200 && !(H.Game->Model().Session().Piece.Active() &&
                                 H.Game->Model().Session().Piece.Piece().Block(0).Row <= 16);
         ++i)
      H.Frames(1);
    ASSERT_TRUE(H.Game->Model().Session().Piece.Active());
  }

  TGameHarness H;
  TGamepads Pads;
  QTemporaryDir DeviceFolder;
  TInputDeviceWatch Devices{DeviceFolder.path()};
  TGamepadControl Control{*H.Game, H.Scheduler, Pads, Devices};
  TVirtualPad Pad;
};

TEST(GamepadGameTest, AControllerPluggedInIsFoundWhenTheDevicesChangeAtTheTitleAndInPlay) {
  TGameHarness H;
  H.MakeGame("Default", {TTestLevel{}});
  H.Start();
  H.Advance(50);
  TGamepads pads;
  QTemporaryDir folder;
  TInputDeviceWatch devices(folder.path());
  ASSERT_TRUE(devices.Watching());
  TGamepadControl control(*H.Game, H.Scheduler, pads, devices);
  const int before = pads.Count();

  auto pad = std::make_unique<TVirtualPad>();
  ASSERT_TRUE(pad->Plugged()) << SDL_GetError();
  H.Advance(5000);
  EXPECT_EQ(pads.Count(), before) << "looked for controllers with no change of the devices";

  ChangeDevices(folder.path(), "event7");
  EXPECT_EQ(pads.Count(), before + 1);
  pad.reset();
  ChangeDevices(folder.path(), "event7");
  EXPECT_EQ(pads.Count(), before);

  // SDL may hear of a device after its entry changed: it is looked at again a little later.
  ChangeDevices(folder.path(), "event8");
  pad = std::make_unique<TVirtualPad>();
  H.Advance(300);
  EXPECT_EQ(pads.Count(), before + 1);
  pad->Button(SDL_CONTROLLER_BUTTON_START, true);
  H.Frames(3); // read at the frame rate while plugged in: Start starts the game
  EXPECT_EQ(H.Game->Model().GameState(), StatePlaying);

  // Frames of play see a controller go, and with none left look for none.
  pad.reset();
  H.Frames(1);
  EXPECT_EQ(pads.Count(), before);
  H.Advance(4000); // past the looks after the last change
  pad = std::make_unique<TVirtualPad>();
  H.Frames(60);
  ASSERT_EQ(H.Game->Model().GameState(), StatePlaying);
  EXPECT_EQ(pads.Count(), before) << "a frame of play looked for controllers";
}

TEST(InputDeviceWatchTest, AFolderMadeAfterTheStartIsWatchedFromItsMaking) {
  QTemporaryDir parent;
  const QString folder = parent.filePath("input");
  TInputDeviceWatch devices(folder);
  ASSERT_TRUE(devices.Watching());
  int changes = 0;
  devices.OnChanged = [&changes] { ++changes; };
  ChangeDevices(parent.path(), "mouse");
  EXPECT_EQ(changes, 0) << "something else made beside the folder counted";
  ASSERT_TRUE(QDir().mkdir(folder));
  QCoreApplication::processEvents();
  EXPECT_EQ(changes, 1);
  ChangeDevices(folder, "event0");
  EXPECT_EQ(changes, 2);
}

TEST(GamepadGameTest, StartStartsPausesAndResumes) {
  TPadGame g;
  auto &H = g.H;
  g.Begin();
  const auto Tap = [&g](SDL_GameControllerButton b) { g.Tap(b); };
  Tap(SDL_CONTROLLER_BUTTON_START);
  ASSERT_EQ(H.Game->Model().GameState(), StatePlaying);
  g.WaitForPiece();
  Tap(SDL_CONTROLLER_BUTTON_START);
  H.Frames(5);
  EXPECT_TRUE(H.Game->Model().Pause().Paused());
  Tap(SDL_CONTROLLER_BUTTON_START);
  H.Frames(5);
  EXPECT_FALSE(H.Game->Model().Pause().Paused());
  EXPECT_EQ(H.Game->Model().GameState(), StatePlaying);
}

TEST(GamepadGameTest, AHeldDirectionMovesOneColumnUnlessTheSlidePreferenceIsSet) {
  for (const QString movement : {"Tetris", "Slide"}) {
    TPadGame game;
    game.H.Settings.WriteSetting("Movement", movement);
    game.Begin();
    game.H.Game->Run(TCommand::StartGame);
    game.WaitForPiece();
    const int from = game.Column();
    game.Pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    game.H.Frames(12);
    game.Pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    const int moved = from - game.Column();
    if (movement == "Tetris")
      EXPECT_EQ(moved, 1);
    else
      EXPECT_GE(moved, 2);
  }
}

TEST(GamepadGameTest, TurnFollowsTheUpKeyPreference) {
  for (const QString up : {"ACW", "CW"}) {
    TPadGame game;
    game.H.Settings.WriteSetting("UpArrow", up);
    game.Begin();
    game.H.Game->Run(TCommand::StartGame);
    game.WaitForPiece();
    game.Tap(SDL_CONTROLLER_BUTTON_X);
    EXPECT_TRUE(game.H.Sound.Played.contains(up == "CW" ? "RotateRight" : "RotateLeft"))
        << up.toStdString();
  }
}

TEST(GamepadGameTest, AGameIsPlayedToTheLevelEndWithControllerButtonsOnly) {
  TPadGame g;
  auto &H = g.H;
  auto &Pad = g.Pad;
  g.Begin();
  const auto Tap = [&g](SDL_GameControllerButton b) { g.Tap(b); };
  Tap(SDL_CONTROLLER_BUTTON_START);
  ASSERT_EQ(H.Game->Model().GameState(), StatePlaying);
  TBot bot(H, [&H, &Pad](TBot::TMove move) {
    static constexpr SDL_GameControllerButton buttons[] = {
        SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
        SDL_CONTROLLER_BUTTON_A};
    Pad.Button(buttons[move], true);
    H.Frames(1);
    Pad.Button(buttons[move], false);
  });
  for (int step = 0; step < 100000 && H.Game->Model().GameState() == StatePlaying; ++step)
    bot.Step();
  ASSERT_EQ(H.Game->Model().GameState(), StateLevelEnd) << "the stack reached the top";
  EXPECT_EQ(H.Game->Model().Session().Cells.HiddenCount(), 0);
  H.Frames(2);
  // Start goes on from the level end: the only level was played, so the game is over.
  Tap(SDL_CONTROLLER_BUTTON_START);
  EXPECT_EQ(H.Game->Model().GameState(), StateGameOver);
  EXPECT_TRUE(H.Game->Model().AllLevelsDone());
}

} // namespace
