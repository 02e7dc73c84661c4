#pragma once
// Keys that were already down when a window opened (a player still holding the drop key as the
// game ends) act on none of its controls: their repeats are dropped, and so is the release that
// ends them. A key counts again from its first press after that release.

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class QKeyEvent;
class QWidget;

class THeldKeyFilter : public QObject {
public:
  // Whether the event's key was down when the window opened, as the window that had the keyboard
  // then saw it.
  using TWasDown = std::function<bool(const QKeyEvent &)>;

  explicit THeldKeyFilter(QWidget &window) : Window(window) {}

  // From now until Stop(), for the window's key events. The window must be created (shown).
  void Start(TWasDown wasDown);
  void Stop();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool Drop(const QKeyEvent &event);
  bool WasDown(const QKeyEvent &event) const { return WasDownTest && WasDownTest(event); }

  QWidget &Window;
  TWasDown WasDownTest;
  QSet<int> Taken;                // keys pressed while the window is open, not yet released
  QHash<int, quint64> ReleasedAt; // held keys released since, with the time of that release
};
