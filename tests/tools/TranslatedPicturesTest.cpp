// The start-key prompt and the pause banner in the player's language: the program picks the
// copy painted with its translation's words, keeps the English size, falls back to English for
// words no copy was painted with, and assetgen refuses words too long for their place.
#include "resources/BuiltinPictures.h"
#include "tests/support/QtPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QStringList WordPictures = {"PressSP.png", "PauseL.png"};

QImage Builtin(const QString &name) { return QImage(":/pictures/" + name); }

const QStringList Languages = {"cs", "de",    "es", "fr", "it", "ja", "ko",   "nl",
                               "pl", "pt_BR", "ru", "sv", "tr", "uk", "zh_CN"};

QString CatalogueOf(const QString &language) {
  return QB_ASSET_DIR "/i18n/quarrybox_" + language + ".qm";
}

// The names of the copies a translation shows, in WordPictures' order.
QStringList CopiesOf(const QString &language) {
  QTranslator translator;
  if (!translator.load(CatalogueOf(language)))
    return {};
  QCoreApplication::installTranslator(&translator);
  QStringList names;
  for (const QString &name : WordPictures)
    names << TranslatedBuiltinName(name);
  QCoreApplication::removeTranslator(&translator);
  return names;
}

class TranslatedPicturesOf : public ::testing::TestWithParam<QString> {};

TEST(TranslatedPictures, EveryLanguageHasItsCompiledCatalogue) {
  QStringList compiled;
  for (const QFileInfo &catalogue :
       QDir(QB_ASSET_DIR "/i18n").entryInfoList({"quarrybox_*.qm"}, QDir::Files, QDir::Name))
    compiled << catalogue.completeBaseName().section('_', 1);
  EXPECT_EQ(compiled, Languages);
}

TEST_P(TranslatedPicturesOf, ItsOwnCopiesAtTheEnglishSize) {
  const QStringList copies = CopiesOf(GetParam());
  ASSERT_EQ(copies.size(), WordPictures.size()) << "no catalogue";
  for (qsizetype i = 0; i < copies.size(); ++i) {
    const QImage english = Builtin(WordPictures[i]), copy = Builtin(copies[i]);
    ASSERT_FALSE(copy.isNull()) << qPrintable(copies[i]);
    EXPECT_EQ(copy.size(), english.size()) << qPrintable(copies[i]);
    EXPECT_NE(copy, english) << qPrintable(copies[i]) << " has the English words";
  }
  for (const QString &other : Languages)
    if (other != GetParam())
      for (const QString &name : CopiesOf(other))
        EXPECT_FALSE(copies.contains(name)) << qPrintable(other) << " shows the same copy";
  for (const QString &name : WordPictures)
    EXPECT_EQ(TranslatedBuiltinName(name), name) << "without a translation";
  QTranslator translator;
  ASSERT_TRUE(translator.load(CatalogueOf(GetParam())));
  QCoreApplication::installTranslator(&translator);
  EXPECT_EQ(TranslatedBuiltinName("Parts.bmp"), "Parts.bmp") << "a picture without words";
  QCoreApplication::removeTranslator(&translator);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedPicturesOf, ::testing::ValuesIn(Languages),
                         [](const auto &row) { return row.param.toStdString(); });

// A translation newer than the painted copies: its words have none.
class TUnpaintedWords : public QTranslator {
public:
  bool isEmpty() const override { return false; }
  QString translate(const char *context, const char *source, const char *, int) const override {
    return QString::fromLatin1(context) == "PictureTexts" ? QString::fromLatin1(source).toLower()
                                                          : QString();
  }
};

TEST(TranslatedPictures, WordsWithoutAPaintedCopyFallBackToEnglish) {
  TUnpaintedWords translator;
  QCoreApplication::installTranslator(&translator);
  for (const QString &name : WordPictures)
    EXPECT_EQ(TranslatedBuiltinName(name), name);
  QCoreApplication::removeTranslator(&translator);
}

int RunCommand(const QString &program, const QStringList &arguments, QString *errors = nullptr) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    return -1;
  if (errors)
    *errors = QString::fromLocal8Bit(process.readAllStandardError());
  return process.exitCode();
}

// A compiled translation, language "xx" in dir, that gives the pause banner's title.
QString CompiledTitle(const QTemporaryDir &dir, const QString &title) {
  const QString ts = dir.filePath("quarrybox_xx.ts");
  QFile file(ts);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<TS version=\"2.1\" language=\"xx\">\n"
             "<context><name>PictureTexts</name><message><source>PAUSED</source>"
             "<translation>" +
             title.toUtf8() + "</translation></message></context></TS>\n");
  file.close();
  const QString qm = dir.filePath("quarrybox_xx.qm");
  EXPECT_EQ(RunCommand(QB_LRELEASE, {"-silent", ts, "-qm", qm}), 0);
  return qm;
}

TEST(TranslatedPictures, AssetgenReportsWordsTooLongAndTranslationsItCannotRead) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString qm = CompiledTitle(dir, QString(120, 'W'));

  QString errors;
  EXPECT_EQ(RunCommand(QB_ASSETGEN,
                       {dir.filePath("out"), "--translations", qm, dir.filePath("quarrybox_yy.qm")},
                       &errors),
            1);
  EXPECT_TRUE(errors.contains("xx: \"WWW")) << qPrintable(errors);
  EXPECT_TRUE(errors.contains("too long")) << qPrintable(errors);
  EXPECT_TRUE(errors.contains("cannot read the translation " + dir.filePath("quarrybox_yy.qm")))
      << qPrintable(errors);
}

// Letters no installed font has (two code points Unicode leaves unassigned) are not painted as
// empty boxes: assetgen names the language and the words.
TEST(TranslatedPictures, AssetgenReportsWordsNoInstalledFontHasTheLettersOf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString title = QString(QChar(0x0378)) + QChar(0x0379);
  const QString qm = CompiledTitle(dir, title);
  QString errors;
  EXPECT_EQ(RunCommand(QB_ASSETGEN, {dir.filePath("out"), "--translations", qm}, &errors), 1);
  EXPECT_TRUE(errors.contains("xx: no installed font has every letter of \"" + title + '"'))
      << qPrintable(errors);
  EXPECT_FALSE(QFile::exists(dir.filePath("out/PauseL.xx.png")));
}

} // namespace
