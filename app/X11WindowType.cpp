#include "app/X11WindowType.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_atom_t Atom(xcb_connection_t *connection, const char *name) {
  xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

void PutToolbarFirst(QWidget &window) {
  const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
  if (!connection)
    return;
  const auto id = xcb_window_t(window.winId());
  const xcb_atom_t property = Atom(connection, "_NET_WM_WINDOW_TYPE");
  const xcb_atom_t toolbar = Atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR");
  if (property == XCB_ATOM_NONE || toolbar == XCB_ATOM_NONE)
    return;
  // Window managers take the first type they know; the ones Qt wrote stay behind it.
  std::vector<xcb_atom_t> types{toolbar};
  xcb_get_property_reply_t *reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, id, property, XCB_ATOM_ATOM, 0, 16), nullptr);
  if (reply) {
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t)); ++i)
      if (atoms[i] != toolbar)
        types.push_back(atoms[i]);
    std::free(reply);
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, property, XCB_ATOM_ATOM, 32,
                      uint32_t(types.size()), types.data());
  xcb_flush(connection);
}

// Qt writes the window's types anew as it shows the window again.
class TToolbarFirst : public QObject {
public:
  explicit TToolbarFirst(QWidget &window) : QObject(&window), Window(window) {
    window.installEventFilter(this);
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == &Window && event->type() == QEvent::Show)
      PutToolbarFirst(Window);
    return false;
  }

private:
  QWidget &Window;
};

} // namespace

void AskForTitleAndCloseOnly(QWidget &window) {
  PutToolbarFirst(window);
  new TToolbarFirst(window);
}
