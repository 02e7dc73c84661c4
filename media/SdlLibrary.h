#pragma once
// SDL, loaded when first needed instead of at start-up: with the libraries it brings (sound
// servers, codecs, Wayland) it takes longer to load than the window needs to show. Only the
// functions the program calls are looked up. A library that cannot be loaded gives nothing (said
// once on the log); the program then runs without controllers or sound.

#include <SDL.h>

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
  decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
  decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
  decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
  decltype(&SDL_LockAudioDevice) LockAudioDevice;
  decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
  decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
  decltype(&SDL_FreeWAV) FreeWAV;
  decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
  decltype(&SDL_ConvertAudio) ConvertAudio;
};

// Null when the library or one of its functions is missing.
const TSdl *LoadSdl();
