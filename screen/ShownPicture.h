#pragma once
// What of the window picture the window has shown. After a change the window is told only the
// parts drawn through DrawPart, or all of it when anything else drew on it too: every new piece
// changes a panel, and each megabyte-sized showing of the whole window cost the window system
// more than all the frames of the piece's fall.

#include <QImage>
#include <QRegion>

#include <functional>

class TShownPicture {
public:
  explicit TShownPicture(const QImage &picture) : Picture(picture) {}

  // Tells the window which part of the picture changed: all of it (its rectangle), or the
  // parts drawn on while a level is played.
  std::function<void(const QRegion &changed)> OnChanged;

  // The picture is shown as it is now, all of it.
  void ShowAll();
  // Shows it again if anything drew on it since it was last shown.
  void ShowIfChanged();
  // Draws on the picture through draw, which returns the part it drew on.
  template <typename Draw> void DrawPart(Draw draw) {
    const bool onlyParts = Picture.cacheKey() == PartsKey;
    const QRegion part = draw();
    if (!onlyParts)
      return;
    DrawnParts += part;
    PartsKey = Picture.cacheKey();
  }

private:
  const QImage &Picture;
  qint64 ShownKey = 0; // the picture's cache key when it was last shown
  QRegion DrawnParts;  // drawn through DrawPart since then
  qint64 PartsKey = 0; // the cache key after the last of them, while only they drew
};
