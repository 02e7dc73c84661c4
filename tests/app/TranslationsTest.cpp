// The translations the program carries: every text the sources mark for translation is
// translated in every language, keeps its placeholders, each menu keeps one access key per
// item, and the desktop entry, the file type and the AppStream data speak the language too;
// the language follows the desktop's list. Each language is a row of its own
// (--gtest_filter='*/ja').
#include "app/Translations.h"
#include "app/MainMenu.h"
#include "tests/support/QtPrinters.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QRegularExpressionMatch>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QStringList Languages = {"cs", "de",    "es", "fr", "it", "ja", "ko",   "nl",
                               "pl", "pt_BR", "ru", "sv", "tr", "uk", "zh_CN"};

// Languages whose letters are not typed one key each: their access keys are Latin letters in
// brackets after the text, as in "ファイル(&F)" or "開く(&O)...".
const QStringList BracketKeyLanguages = {"ja", "ko", "zh_CN"};

struct TMessage {
  QString Translation;
  bool Finished = true;
};

// "context|source" -> its translation.
QHash<QString, TMessage> ReadCatalogue(const QString &path) {
  QHash<QString, TMessage> messages;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement)
      continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const bool finished = xml.attributes().value("type").isEmpty();
      messages.insert(context + '|' + source, {xml.readElementText(), finished});
    }
  }
  EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ": " << qPrintable(xml.errorString());
  return messages;
}

// What lupdate finds in the sources today, written to a scratch catalogue.
QHash<QString, TMessage> SourceTexts(const QTemporaryDir &scratch) {
  const QString out = scratch.filePath("sources.ts");
  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(QB_SOURCE_DIR));
  lupdate.start(QStringLiteral(QB_LUPDATE),
                {"-silent", "-I", ".", "-locations", "none", "app", "gamefile", "pictures",
                 "dialogs", "builder", "screen", "resources", "-ts", out});
  EXPECT_TRUE(lupdate.waitForFinished(60000));
  EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().constData();
  return ReadCatalogue(out);
}

QSet<QString> Placeholders(const QString &text) {
  QSet<QString> found;
  for (const auto &m : QRegularExpression("%\\d").globalMatch(text))
    found << m.captured();
  return found;
}

QString Catalogue(const QString &language) {
  return QStringLiteral(QB_SOURCE_DIR "/translations/quarrybox_%1.ts").arg(language);
}

// The access key of a menu text: the character after its one '&' ("&&" is an ampersand shown
// as it is); a null character when it has none, '&' itself when it has more than one.
QChar AccessKey(const QString &text) {
  QChar key;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text.at(i) != '&')
      continue;
    if (text.at(i + 1) == '&') {
      ++i;
      continue;
    }
    if (!key.isNull())
      return QChar('&');
    key = text.at(i + 1);
  }
  return key;
}

// What is wrong with one menu item's access key, given the English text's: an item with a key
// in English keeps one (an item without may gain one).
QString AccessKeyFault(const QString &language, const QString &english, const QString &text) {
  const QChar key = AccessKey(text);
  if (key.isNull())
    return AccessKey(english).isNull() ? QString() : QStringLiteral("has no access key");
  if (key == '&')
    return QStringLiteral("has more than one access key");
  if (!key.isLetterOrNumber())
    return QStringLiteral("has an access key that is not a letter or digit");
  static const QRegularExpression bracketKey(QStringLiteral("\\(&[A-Za-z0-9]\\)(\\.\\.\\.|…)?$"));
  if (BracketKeyLanguages.contains(language) && !bracketKey.match(text).hasMatch())
    return QStringLiteral("lacks its key in brackets at the end, as in \"(&F)\"");
  return QString();
}

class TranslationsTest : public ::testing::TestWithParam<QString> {};

} // namespace

TEST(TranslationsTest, TheProgramCarriesEachLanguage) {
  EXPECT_EQ(Translations::Available(), Languages);
}

TEST_P(TranslationsTest, EveryMarkedTextIsTranslatedWithItsPlaceholders) {
  const QString &language = GetParam();
  QTemporaryDir scratch;
  const QHash<QString, TMessage> sources = SourceTexts(scratch);
  ASSERT_GT(sources.size(), 100) << "lupdate found too few texts";
  const QHash<QString, TMessage> catalogue = ReadCatalogue(Catalogue(language));
  for (auto it = sources.begin(); it != sources.end(); ++it) {
    const QString &key = it.key();
    ASSERT_TRUE(catalogue.contains(key)) << qPrintable(language) << " lacks " << qPrintable(key);
    const TMessage &m = catalogue[key];
    EXPECT_TRUE(m.Finished && !m.Translation.isEmpty())
        << qPrintable(language) << " leaves unfinished " << qPrintable(key);
    EXPECT_EQ(Placeholders(m.Translation), Placeholders(key.section('|', 1)))
        << qPrintable(language) << ": " << qPrintable(key) << " -> " << qPrintable(m.Translation);
  }
  for (auto it = catalogue.begin(); it != catalogue.end(); ++it)
    EXPECT_TRUE(sources.contains(it.key()))
        << qPrintable(language)
        << " keeps a text the sources no longer have: " << qPrintable(it.key());
}

TEST_P(TranslationsTest, EachMenuHasOneAccessKeyPerItem) {
  const QString &language = GetParam();
  QMenuBar englishBar;
  const TMainMenu english = BuildMainMenu(&englishBar);
  QTranslator translator;
  ASSERT_TRUE(Translations::LoadGame(translator, language));
  QCoreApplication::installTranslator(&translator);
  QMenuBar bar;
  const TMainMenu menu = BuildMainMenu(&bar);
  QCoreApplication::removeTranslator(&translator);

  QList<std::pair<QWidget *, QWidget *>> menus{{&bar, &englishBar}};
  for (auto it = menu.Menus.begin(); it != menu.Menus.end(); ++it)
    menus.append(std::pair<QWidget *, QWidget *>(static_cast<QMenu *>(it.value()),
                                                 static_cast<QMenu *>(english.Menus[it.key()])));
  for (const auto &[m, englishMenu] : menus) {
    QSet<QChar> keys;
    const QList<QAction *> items = m->actions(), englishItems = englishMenu->actions();
    ASSERT_EQ(items.size(), englishItems.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
      if (items[i]->isSeparator())
        continue;
      const QString text = items[i]->text();
      const QString fault = AccessKeyFault(language, englishItems[i]->text(), text);
      EXPECT_TRUE(fault.isEmpty())
          << qPrintable(language) << ": '" << qPrintable(text) << "' " << qPrintable(fault);
      const QChar key = AccessKey(text).toLower();
      if (key.isNull() || key == '&')
        continue;
      EXPECT_FALSE(keys.contains(key)) << qPrintable(language) << ": '" << qPrintable(text)
                                       << "' repeats the key in " << qPrintable(m->objectName());
      keys << key;
    }
  }
  // "File" is Italian too; no language keeps "Game".
  EXPECT_NE(static_cast<QMenu *>(menu.Menus["Game1"])->title(), "&Game") << qPrintable(language);
}

// The lines of the desktop entry, the file type and the AppStream data the desktop shows in the
// player's language: each English one has its translation.
TEST_P(TranslationsTest, TheDesktopFilesSpeakTheLanguage) {
  const QString &language = GetParam();
  QFile entry(QStringLiteral(QB_SOURCE_DIR "/data/xdg/quarrybox.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString desktop = QString::fromUtf8(entry.readAll());
  for (const char *key : {"Name", "GenericName", "Comment", "Keywords"}) {
    const QRegularExpression line(
        QStringLiteral("^%1\\[%2\\]=.+$")
            .arg(QLatin1String(key), QRegularExpression::escape(language)),
        QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(desktop).hasMatch())
        << "quarrybox.desktop lacks " << key << '[' << qPrintable(language) << ']';
  }
  // Per element name: how many are in English (no xml:lang) and how many in the language.
  for (const char *file : {"quarrybox.xml", "com.zanpeksystems.quarrybox.metainfo.xml"}) {
    QFile xmlFile(QStringLiteral(QB_SOURCE_DIR "/data/xdg/") + QLatin1String(file));
    ASSERT_TRUE(xmlFile.open(QIODevice::ReadOnly)) << file;
    QXmlStreamReader xml(&xmlFile);
    QHash<QString, int> english, translated;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement)
        continue;
      const QString name = xml.name().toString();
      if (!QStringList{"comment", "name", "summary", "p", "caption"}.contains(name))
        continue;
      const QStringView lang = xml.attributes().value(QStringLiteral("xml:lang"));
      if (lang.isEmpty())
        ++english[name];
      else if (lang == language && !xml.readElementText().trimmed().isEmpty())
        ++translated[name];
    }
    ASSERT_FALSE(xml.hasError()) << file << ": " << qPrintable(xml.errorString());
    for (auto it = english.begin(); it != english.end(); ++it)
      EXPECT_EQ(translated.value(it.key()), it.value())
          << file << ": <" << qPrintable(it.key()) << "> in " << qPrintable(language);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationsTest, ::testing::ValuesIn(Languages),
                         [](const auto &row) { return row.param.toStdString(); });

TEST(TranslationsTest, TheLanguageIsTheFirstOfTheDesktopsThatFits) {
  const QStringList available = {"de", "es", "fr", "ja", "pl", "pt_BR", "zh_CN"};
  EXPECT_EQ(Translations::Choose({"pt-BR", "pt", "en"}, available), "pt_BR");
  EXPECT_EQ(Translations::Choose({"de-AT", "de"}, available), "de");
  EXPECT_EQ(Translations::Choose({"pt-PT"}, available), "pt_BR") << "the nearest Portuguese";
  EXPECT_EQ(Translations::Choose({"ko-KR", "fr-CA"}, available), "fr");
  EXPECT_EQ(Translations::Choose({"zh-Hans-CN", "zh-CN"}, available), "zh_CN");
  EXPECT_EQ(Translations::Choose({"en-GB", "de"}, available), "") << "English comes first";
  EXPECT_EQ(Translations::Choose({"ko-KR", "ko"}, available), "");
  EXPECT_EQ(Translations::Choose({}, available), "");
}
