#pragma once
// Helpers for driving the program's dialogs in tests: a host that records what the dialogs ask
// of the main window, keys typed where the keyboard would send them, and a script that acts on
// a modal dialog from inside its own event loop.

#include "dialogs/DialogHost.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class TFakeDialogHost : public TDialogHost {
public:
  bool Suspended = false;
  QList<bool> SuspendedChanges; // every SetSuspended call, in order
  QStringList Sounds;
  THeldKeyFilter::TWasDown KeysDown; // what KeysDownNow answers

  void SetSuspended(bool suspended) override {
    Suspended = suspended;
    SuspendedChanges << suspended;
  }
  void PlaySound(const QString &name) override { Sounds << name; }
  THeldKeyFilter::TWasDown KeysDownNow() override { return KeysDown; }
};

// One key event as the window system delivers it: to the window, which hands it to its focused
// control. time: the window system's time stamp in milliseconds.
void SendKey(QWidget &window, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 time);

// A key pressed and released where the keyboard sends it: to the window's focused control, or
// to the window itself when nothing in it has the focus.
void TypeKey(QWidget &window, Qt::Key key);

// The state of every dialog as it opens: shown, the host suspended, the chime played once, the
// window centred on the screen.
void ExpectOpenedSuspendedAndCentred(const QWidget &form, const TFakeDialogHost &host);

// Runs `action` once the dialog's modal loop is running. A dialog that is still open three
// seconds later fails the test and is closed, so no test can hang on it.
class TModalScript {
public:
  TModalScript(QDialog &dialog, std::function<void()> action);
  ~TModalScript();

private:
  QDialog &Dialog;
  QObject Context;
  QTimer Watchdog;
};
