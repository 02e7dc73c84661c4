// The translations the program carries: every text the sources mark for translation is
// translated in every language, keeps its placeholders, and each menu keeps one access key per
// item; the language follows the desktop's list.
#include "app/Translations.h"
#include "app/MainMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const QStringList Languages = {"de", "es", "fr", "pl", "pt_BR"};

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

} // namespace

TEST(TranslationsTest, EveryMarkedTextIsTranslatedInEveryLanguageWithItsPlaceholders) {
  QTemporaryDir scratch;
  const QHash<QString, TMessage> sources = SourceTexts(scratch);
  ASSERT_GT(sources.size(), 100) << "lupdate found too few texts";
  for (const QString &language : Languages) {
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
}

TEST(TranslationsTest, EachMenuHasOneAccessKeyPerItemInEveryLanguage) {
  EXPECT_EQ(Translations::Available(), Languages);
  for (const QString &language : Languages) {
    QTranslator translator;
    ASSERT_TRUE(Translations::LoadGame(translator, language)) << qPrintable(language);
    QCoreApplication::installTranslator(&translator);
    QMenuBar bar;
    const TMainMenu menu = BuildMainMenu(&bar);
    QCoreApplication::removeTranslator(&translator);

    QList<QWidget *> menus{&bar};
    for (QObject *m : menu.Menus)
      menus << static_cast<QMenu *>(m);
    for (QWidget *m : menus) {
      QSet<QChar> keys;
      for (const QAction *item : m->actions()) {
        if (item->isSeparator())
          continue;
        const QString text = item->text();
        const qsizetype amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size())
          continue;
        const QChar key = text.at(amp + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << qPrintable(language) << ": '" << qPrintable(text)
                                         << "' repeats the key in " << qPrintable(m->objectName());
        keys << key;
      }
    }
    EXPECT_NE(static_cast<QMenu *>(menu.Menus["File1"])->title(), "&File") << qPrintable(language);
  }
}

TEST(TranslationsTest, TheLanguageIsTheFirstOfTheDesktopsThatFits) {
  const QStringList available = Languages;
  EXPECT_EQ(Translations::Choose({"pt-BR", "pt", "en"}, available), "pt_BR");
  EXPECT_EQ(Translations::Choose({"de-AT", "de"}, available), "de");
  EXPECT_EQ(Translations::Choose({"pt-PT"}, available), "pt_BR") << "the nearest Portuguese";
  EXPECT_EQ(Translations::Choose({"ja-JP", "fr-CA"}, available), "fr");
  EXPECT_EQ(Translations::Choose({"en-GB", "de"}, available), "") << "English comes first";
  EXPECT_EQ(Translations::Choose({"ja-JP", "ja"}, available), "");
  EXPECT_EQ(Translations::Choose({}, available), "");
}
