#include "app/X11KeyRepeat.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
// The header names a member "explicit", which C++ reserves.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

bool UsePressOnlyKeyRepeat() {
  const auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
  if (!connection)
    return false;
  // The extension is Qt's too (it reads the keymap through it); this client must still say which
  // version it speaks before the server takes its requests.
  xcb_xkb_use_extension_reply_t *use = xcb_xkb_use_extension_reply(
      connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
      nullptr);
  const bool supported = use && use->supported;
  std::free(use);
  if (!supported)
    return false;
  constexpr uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
  xcb_xkb_per_client_flags_reply_t *flags = xcb_xkb_per_client_flags_reply(
      connection,
      xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
  const bool on = flags && (flags->value & flag);
  std::free(flags);
  return on;
}
