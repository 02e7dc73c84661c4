#pragma once
// The main window's commands, and which of them the menus offer: derived from the game's state
// and whether it has levels, never set item by item.

#include "play/GameState.h"

enum class TCommand {
  OpenGame,
  OpenRecent,
  GamesGallery,
  DownloadMoreGames,
  CreateGame,
  EditGame,
  MakeExe,
  SaveGame,
  SaveGameAs,
  Exit,
  StartGame,
  PauseGame,
  StopGame,
  Score,
  Sound,
  Preferences,
  SizeNormal,
  SizeDouble,
  SizeTriple,
  FullScreen,
  HelpTopic,
  About,
};

inline constexpr TCommand AllCommands[] = {
    TCommand::OpenGame,   TCommand::OpenRecent, TCommand::GamesGallery, TCommand::DownloadMoreGames,
    TCommand::CreateGame, TCommand::EditGame,   TCommand::MakeExe,      TCommand::SaveGame,
    TCommand::SaveGameAs, TCommand::Exit,       TCommand::StartGame,    TCommand::PauseGame,
    TCommand::StopGame,   TCommand::Score,      TCommand::Sound,        TCommand::Preferences,
    TCommand::SizeNormal, TCommand::SizeDouble, TCommand::SizeTriple,   TCommand::FullScreen,
    TCommand::HelpTopic,  TCommand::About,
};

// The menu item that gives the command, by its name ("GameStart" for StartGame).
const char *MenuItemName(TCommand command);

// levelCount: the levels of the open game (none: nothing to start, edit or save).
bool CommandEnabled(TCommand command, TGameState state, int levelCount);
