#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("quarrybox_");

QString LanguageOnly(const QString &name) { return name.section(QLatin1Char('_'), 0, 0); }

} // namespace

QStringList Translations::Available() {
  QStringList languages;
  // Picked by hand rather than by a name filter, which would load Qt's regular expressions.
  for (const QString &file : QDir(Folder).entryList(QDir::Files, QDir::Name))
    if (file.startsWith(Prefix) && file.endsWith(QLatin1String(".qm")))
      languages << file.mid(Prefix.size()).chopped(3);
  return languages;
}

QString Translations::Choose(const QStringList &uiLanguages, const QStringList &available) {
  for (QString wanted : uiLanguages) {
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (LanguageOnly(wanted).compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
      return QString();
    for (const QString &language : available)
      if (language.compare(wanted, Qt::CaseInsensitive) == 0)
        return language;
    for (const QString &language : available)
      if (LanguageOnly(language).compare(LanguageOnly(wanted), Qt::CaseInsensitive) == 0)
        return language;
  }
  return QString();
}

bool Translations::LoadGame(QTranslator &translator, const QString &language) {
  return translator.load(Prefix + language, Folder);
}

void Translations::Install(const QString &language) {
  if (language.isEmpty())
    return;
  // The translators live as long as the program.
  auto *game = new QTranslator(QCoreApplication::instance());
  if (LoadGame(*game, language))
    QCoreApplication::installTranslator(game);
  // Qt's own texts (file dialogs, standard buttons); "qtbase_pt_BR" falls back to "qtbase_pt".
  auto *qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
}
