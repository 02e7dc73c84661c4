#include "media/SdlLibrary.h"

#include <QtGlobal>

#include <dlfcn.h>

#include <optional>

namespace {

class TLibrary {
public:
  explicit TLibrary(const char *soname) : Name(soname), Handle(dlopen(soname, RTLD_NOW)) {
    if (!Handle)
      qWarning("quarrybox: %s", dlerror());
  }

  // Every function found, or false (said on the log).
  template <typename... F> bool Resolve(std::pair<F &, const char *>... functions) {
    return Handle && (Find(functions.first, functions.second) && ...);
  }

private:
  template <typename F> bool Find(F &function, const char *symbol) {
    function = reinterpret_cast<F>(dlsym(Handle, symbol));
    if (!function)
      qWarning("quarrybox: %s has no %s", Name, symbol);
    return function != nullptr;
  }

  const char *Name;
  void *Handle; // kept for the life of the process
};

template <typename F> std::pair<F &, const char *> Fn(F &function, const char *symbol) {
  return {function, symbol};
}

} // namespace

const TSdl *LoadSdl() {
  static const std::optional<TSdl> loaded = []() -> std::optional<TSdl> {
    TSdl f{};
    TLibrary library(QB_SDL_LIBRARY);
    const bool found = library.Resolve(
        Fn(f.SetHint, "SDL_SetHint"), Fn(f.InitSubSystem, "SDL_InitSubSystem"),
        Fn(f.QuitSubSystem, "SDL_QuitSubSystem"), Fn(f.GetError, "SDL_GetError"),
        Fn(f.RWFromConstMem, "SDL_RWFromConstMem"), Fn(f.PeepEvents, "SDL_PeepEvents"),
        Fn(f.FlushEvents, "SDL_FlushEvents"), Fn(f.IsGameController, "SDL_IsGameController"),
        Fn(f.JoystickGetDeviceInstanceID, "SDL_JoystickGetDeviceInstanceID"),
        Fn(f.GameControllerOpen, "SDL_GameControllerOpen"),
        Fn(f.GameControllerClose, "SDL_GameControllerClose"),
        Fn(f.GameControllerUpdate, "SDL_GameControllerUpdate"),
        Fn(f.GameControllerGetButton, "SDL_GameControllerGetButton"),
        Fn(f.GameControllerGetAxis, "SDL_GameControllerGetAxis"),
        Fn(f.OpenAudioDevice, "SDL_OpenAudioDevice"),
        Fn(f.CloseAudioDevice, "SDL_CloseAudioDevice"),
        Fn(f.PauseAudioDevice, "SDL_PauseAudioDevice"),
        Fn(f.LockAudioDevice, "SDL_LockAudioDevice"),
        Fn(f.UnlockAudioDevice, "SDL_UnlockAudioDevice"), Fn(f.LoadWAV_RW, "SDL_LoadWAV_RW"),
        Fn(f.FreeWAV, "SDL_FreeWAV"), Fn(f.BuildAudioCVT, "SDL_BuildAudioCVT"),
        Fn(f.ConvertAudio, "SDL_ConvertAudio"));
    return found ? std::optional(f) : std::nullopt;
  }();
  return loaded ? &*loaded : nullptr;
}
