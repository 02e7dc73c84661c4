#pragma once
// What the program's dialogs need from the window they serve: the main window's Suspended flag
// (the falling piece stands still while a dialog is shown) and its named sounds. TDialogForm is
// the behaviour all of them share on top of that.

#include "dialogs/HeldKeyFilter.h"

#include <QDialog>
#include <QFont>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QString>

class TDialogHost {
public:
  virtual ~TDialogHost() = default;

  virtual void SetSuspended(bool suspended) = 0;
  // Plays one named sound, or nothing while the sound option is off.
  virtual void PlaySound(const QString &name) = 0;
  // Which keys are down now, as the main window saw them: fixed when asked, since the window
  // forgets them once a dialog takes the keyboard. None by default.
  virtual THeldKeyFilter::TWasDown KeysDownNow() { return {}; }
};

// A dialog of the program: suspends its host from the moment it is shown until it closes,
// whichever way it closes; is centred on the screen; acts on Escape and Enter only where each
// dialog says so, on key release, never through QDialog's own key-press handling; and takes no
// key that was already down when it opened.
class TDialogForm : public QDialog {
public:
  explicit TDialogForm(TDialogHost &host, QWidget *parent = nullptr) : QDialog(parent), Host(host) {
    // The layouts are laid out in pixels for a small sans-serif face (11 pixels high); the
    // desktop's larger default would cut captions short.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
  }

  // Opening from a menu command or for a message: the chime, then modal.
  int Open() {
    Host.PlaySound(QStringLiteral("Dialog"));
    return exec();
  }

  // Closing by a button, a key or the title-bar close box all end here (QDialog routes a
  // close event through reject()).
  void done(int result) override {
    HeldKeys.Stop();
    QDialog::done(result);
    Host.SetSuspended(false);
    // Without a window manager nobody hands the keyboard back: X leaves it on the root window,
    // where the menu bar's Alt keys never arrive.
    if (QWidget *owner = parentWidget())
      owner->window()->activateWindow();
  }

protected:
  TDialogHost &Host;

  // Runs at every opening, after the host is suspended and the window centred, before it
  // appears. A dialog that changes its size here centres itself again.
  virtual void FormShow() {}

  // (screen size - window size) / 2, truncated, as every dialog of the program is placed.
  void CentreOnScreen() {
    const QRect area = screen()->geometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
  }

  // The key release came to the window itself, not up from a focused control: Qt hands a
  // release the focused control does not use on to its parents, so the focus tells them apart.
  bool KeyReachedWindow() const {
    const QWidget *focused = focusWidget();
    return focused == nullptr || focused == this;
  }

  void showEvent(QShowEvent *event) override {
    // A spontaneous show is the window system restoring the window, not an opening.
    if (!event->spontaneous()) {
      HeldKeys.Start(Host.KeysDownNow());
      Host.SetSuspended(true);
      CentreOnScreen();
      FormShow();
    }
    QDialog::showEvent(event);
  }

  void keyPressEvent(QKeyEvent *event) override {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->ignore();
      break;
    default:
      QDialog::keyPressEvent(event);
    }
  }

private:
  THeldKeyFilter HeldKeys{*this};
};
