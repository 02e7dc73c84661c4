#pragma once
// SDL and SDL_mixer, loaded when first needed instead of at start-up: with the libraries they
// bring (sound servers, codecs, Wayland) they take longer to load than the window needs to
// show. Only the functions the program calls are looked up. A library that cannot be loaded
// gives nothing (said once on the log); the program then runs without controllers or sound.

#include <SDL.h>
#include <SDL_mixer.h>

struct TSdl {
  decltype(&SDL_SetHint) SetHint;
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_GetError) GetError;
  decltype(&SDL_RWFromConstMem) RWFromConstMem;
  decltype(&SDL_PeepEvents) PeepEvents;
  decltype(&SDL_FlushEvents) FlushEvents;
  decltype(&SDL_IsGameController) IsGameController;
  decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID;
  decltype(&SDL_GameControllerOpen) GameControllerOpen;
  decltype(&SDL_GameControllerClose) GameControllerClose;
  decltype(&SDL_GameControllerUpdate) GameControllerUpdate;
  decltype(&SDL_GameControllerGetButton) GameControllerGetButton;
  decltype(&SDL_GameControllerGetAxis) GameControllerGetAxis;
};

struct TSdlMixer {
  decltype(&Mix_OpenAudioDevice) OpenAudioDevice;
  decltype(&Mix_CloseAudio) CloseAudio;
  decltype(&Mix_QuerySpec) QuerySpec;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&Mix_QuickLoad_RAW) QuickLoad_RAW;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_PlayChannel) PlayChannel;
  decltype(&Mix_Playing) Playing;
  decltype(&Mix_HaltChannel) HaltChannel;
};

// Null when the library or one of its functions is missing.
const TSdl *LoadSdl();
const TSdlMixer *LoadSdlMixer();
