#pragma once
// The player's language: the game's own translations (built into the program) and Qt's for its
// standard dialogs and buttons, chosen from the desktop's language list. English, the language
// the texts are written in, needs no translation.

#include <QStringList>

class QTranslator;

namespace Translations {

// The languages the program carries, as in its translation files' names ("de", "pt_BR", ...).
QStringList Available();

// The first of the desktop's languages (QLocale::uiLanguages order, "pt-BR" or "pt_BR") that
// has a translation: the same language and country, else the same language in any country.
// Empty when English comes first or nothing fits.
QString Choose(const QStringList &uiLanguages, const QStringList &available);

// Loads the game's translation for the language and Qt's own where Qt has one, and installs
// them in the application. Call before the first window or box is made.
void Install(const QString &language);

// The game's translation of one language, loaded from the program's resources.
bool LoadGame(QTranslator &translator, const QString &language);

} // namespace Translations
