#include "app/MenuCommandSet.h"

const char *MenuItemName(TCommand command) {
  switch (command) {
  case TCommand::OpenGame:
    return "Open1";
  case TCommand::OpenRecent:
    return "OpenRecent1";
  case TCommand::GamesGallery:
    return "Games1";
  case TCommand::DownloadMoreGames:
    return "DownloadMoreGames1";
  case TCommand::CreateGame:
    return "New1";
  case TCommand::EditGame:
    return "EditGame1";
  case TCommand::MakeExe:
    return "MakeExe1";
  case TCommand::SaveGame:
    return "Save1";
  case TCommand::SaveGameAs:
    return "SaveAs1";
  case TCommand::Exit:
    return "Exit1";
  case TCommand::StartGame:
    return "GameStart";
  case TCommand::PauseGame:
    return "GamePause";
  case TCommand::StopGame:
    return "StopGame1";
  case TCommand::Score:
    return "Score1";
  case TCommand::Sound:
    return "OptionSound";
  case TCommand::Preferences:
    return "Settings1";
  case TCommand::SizeNormal:
    return "SizeNormal1";
  case TCommand::SizeDouble:
    return "SizeDouble1";
  case TCommand::SizeTriple:
    return "SizeTriple1";
  case TCommand::FullScreen:
    return "FullScreen1";
  case TCommand::HelpTopic:
    return "HelpTopic1";
  case TCommand::About:
    return "Info1";
  }
  return "";
}

bool CommandEnabled(TCommand command, TGameState state, int levelCount) {
  const bool levels = levelCount > 0;
  const bool title = state == StateTitle, playing = state == StatePlaying;
  switch (command) {
  case TCommand::CreateGame:
    return state == StateNone || title;
  case TCommand::OpenGame:
  case TCommand::OpenRecent:
  case TCommand::GamesGallery:
    return state != StateLevelEnd;
  case TCommand::EditGame:
  case TCommand::SaveGame:
  case TCommand::SaveGameAs:
    return title && levels;
  case TCommand::StartGame:
    return (state == StateNone || title) && levels;
  case TCommand::PauseGame:
    return playing;
  case TCommand::StopGame:
    return playing || state == StateLevelEnd;
  case TCommand::Score:
    return ((state == StateNone || title) && levels) || state == StateGameOver ||
           state == StateLevelEnd;
  case TCommand::DownloadMoreGames:
  case TCommand::MakeExe:
  case TCommand::Exit:
  case TCommand::Sound:
  case TCommand::Preferences:
  case TCommand::SizeNormal:
  case TCommand::SizeDouble:
  case TCommand::SizeTriple:
  case TCommand::FullScreen:
  case TCommand::HelpTopic:
  case TCommand::About:
    return true;
  }
  return true;
}
