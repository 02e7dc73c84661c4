#include "resources/BuiltinPictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function itself, so it must stay outside any
// namespace.
void InitBuiltinPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(builtin_pictures);
    return true;
  }();
  Q_UNUSED(registered);
}
