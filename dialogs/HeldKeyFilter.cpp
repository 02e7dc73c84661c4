#include "dialogs/HeldKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

void THeldKeyFilter::Start(TWasDown wasDown) {
  WasDownTest = std::move(wasDown);
  Taken.clear();
  ReleasedAt.clear();
  // The window's own QWindow sees every key event once, before any control does (a filter on
  // the application would see a release again as it goes up from control to window).
  if (QWindow *handle = Window.windowHandle())
    handle->installEventFilter(this);
}

void THeldKeyFilter::Stop() {
  if (QWindow *handle = Window.windowHandle())
    handle->removeEventFilter(this);
  WasDownTest = nullptr;
}

bool THeldKeyFilter::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
    return Drop(*static_cast<QKeyEvent *>(event));
  return QObject::eventFilter(watched, event);
}

bool THeldKeyFilter::Drop(const QKeyEvent &event) {
  const int key = event.key();
  if (event.type() == QEvent::KeyRelease) {
    if (Taken.contains(key)) {
      if (!event.isAutoRepeat())
        Taken.remove(key);
      return false;
    }
    // The end of a key pressed before the window opened: the Enter that closes the score table
    // on release must not close it here.
    if (!event.isAutoRepeat() && WasDown(event))
      ReleasedAt.insert(key, event.timestamp());
    return true;
  }
  if (Taken.contains(key))
    return false; // a key pressed here and held: its repeats are the player's
  if (event.isAutoRepeat())
    return true;
  if (WasDown(event)) {
    const auto released = ReleasedAt.constFind(key);
    if (released == ReleasedAt.cend())
      return true; // still held: X11 with press-only repeats sends its repeats as plain presses
    // X11's default repeat is a release and a press at one time; when Qt misses the pair, the
    // two come unmarked, and the key is still held.
    if (event.timestamp() != 0 && *released == event.timestamp()) {
      ReleasedAt.erase(released);
      return true;
    }
  }
  Taken.insert(key);
  return false;
}
