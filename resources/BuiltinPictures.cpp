#include "resources/BuiltinPictures.h"

#include "resources/PictureTexts.h"

#include <QFile>

// Q_INIT_RESOURCE declares the registration function itself, so it must stay outside any
// namespace.
void InitBuiltinPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(builtin_pictures);
    Q_INIT_RESOURCE(translated_pictures);
    return true;
  }();
  Q_UNUSED(registered);
}

QString TranslatedBuiltinName(const QString &name) {
  QString translated = name;
  if (name == QLatin1String("PressSP.png"))
    translated = TranslatedPictureName(name, PressSpaceTexts());
  else if (name == QLatin1String("PauseL.png"))
    translated = TranslatedPictureName(name, PauseTexts());
  InitBuiltinPictures();
  return QFile::exists(QStringLiteral(":/pictures/") + translated) ? translated : name;
}
