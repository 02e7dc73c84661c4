// The start-key prompt and the pause banner in the words of each translation the program
// carries, listed in a resource file under the names the program asks for in that translation.
#include "tools/assetgen/AssetFolder.h"
#include "tools/assetgen/LetteringFamily.h"
#include "tools/assetgen/Pictures.h"
#include "tools/assetgen/PromptPictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QTranslator>

namespace {

// Saves one copy and returns its resource entry; none when the words are the English ones or
// another translation already has a copy with the same words.
QString SaveCopy(TAssetFolder &folder, const QString &name, const QString &language,
                 const QString &alias, const QImage &picture, QSet<QString> &aliases) {
  // PauseL.png -> PauseL.de.png
  const QString file = QString(name).replace(".png", "." + language + ".png");
  folder.SaveImage(file, picture);
  if (alias == name || aliases.contains(alias))
    return QString();
  aliases << alias;
  return QStringLiteral("    <file alias=\"%1\">%2</file>\n").arg(alias, file);
}

// Families that have every letter of the language's words; false, with a message, when an
// installed font lacks some.
bool ChooseLettering(TAssetFolder &folder, const QString &language, const TPressSpaceTexts &press,
                     const TPauseTexts &pause, TLettering &lettering) {
  const QString sansWords = press.Press + press.Key + pause.Hint;
  const TLettering english;
  lettering.Sans = LetteringFamily(english.Sans, sansWords, language);
  lettering.Serif = LetteringFamily(english.Serif, pause.Title, language);
  for (const QString &words : {lettering.Sans.isEmpty() ? sansWords : QString(),
                               lettering.Serif.isEmpty() ? pause.Title : QString()})
    if (!words.isEmpty())
      folder.Report(QStringLiteral("%1: no installed font has every letter of \"%2\"; install "
                                   "one that has (Debian: fonts-noto-cjk for Japanese, Chinese "
                                   "and Korean)")
                        .arg(language, words));
  return !lettering.Sans.isEmpty() && !lettering.Serif.isEmpty();
}

} // namespace

void WriteTranslatedPictures(TAssetFolder &folder, const QStringList &catalogues) {
  QString entries;
  QSet<QString> aliases;
  for (const QString &path : catalogues) {
    QTranslator translator;
    if (!translator.load(path)) {
      folder.Report(QStringLiteral("cannot read the translation %1").arg(path));
      continue;
    }
    // quarrybox_pt_BR.qm -> pt_BR
    const QString language = QFileInfo(path).completeBaseName().section('_', 1);
    QCoreApplication::installTranslator(&translator);
    const TPressSpaceTexts press = PressSpaceTexts();
    const TPauseTexts pause = PauseTexts();
    QCoreApplication::removeTranslator(&translator);
    TLettering lettering;
    if (!ChooseLettering(folder, language, press, pause, lettering))
      continue;
    QStringList tooLong;
    entries +=
        SaveCopy(folder, "PressSP.png", language, TranslatedPictureName("PressSP.png", press),
                 PaintPressSpace(press, lettering, tooLong), aliases);
    entries += SaveCopy(folder, "PauseL.png", language, TranslatedPictureName("PauseL.png", pause),
                        PaintPauseBanner(pause, lettering, tooLong), aliases);
    for (const QString &text : tooLong)
      folder.Report(QStringLiteral("%1: \"%2\" is too long for its picture even in the smallest "
                                   "font; shorten it in %3")
                        .arg(language, text, path));
  }
  folder.SaveBytes("translated_pictures.qrc", ("<RCC>\n  <qresource prefix=\"/pictures\">\n" +
                                               entries + "  </qresource>\n</RCC>\n")
                                                  .toUtf8());
}
