#include "app/WindowSize.h"

#include "settings/SettingsStore.h"

#include <algorithm>

int LargestFactor(QSize area, QSize picture) {
  if (picture.isEmpty())
    return 1;
  return std::max(1, std::min(area.width() / picture.width(), area.height() / picture.height()));
}

TWindowSize ReadWindowSize(const TSettingsStore &settings, QSize available, double pixelRatio,
                           QSize window) {
  TWindowSize size;
  size.FullScreen = settings.Read(Setting::FullScreen);
  const std::optional<int> stored = settings.Read(Setting::WindowSize);
  // A factor stored on a larger screen falls back to the largest that fits this one.
  if (stored && *stored >= 1 && *stored <= TWindowSize::MaxFactor)
    size.Factor = std::min(*stored, LargestFactor(available, window));
  else if (pixelRatio >= 2)
    size.Factor = std::min(TWindowSize::MaxFactor, LargestFactor(available, window));
  return size;
}

void WriteWindowSize(TSettingsStore &settings, const TWindowSize &size) {
  settings.Write(Setting::WindowSize, size.Factor);
  settings.Write(Setting::FullScreen, size.FullScreen);
}
