// The start-key prompt and the pause banner in the words of each translation the program
// carries, listed in a resource file under the names the program asks for in that translation.
#include "tools/assetgen/AssetFolder.h"
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
    QStringList tooLong;
    entries +=
        SaveCopy(folder, "PressSP.png", language, TranslatedPictureName("PressSP.png", press),
                 PaintPressSpace(press, tooLong), aliases);
    entries += SaveCopy(folder, "PauseL.png", language, TranslatedPictureName("PauseL.png", pause),
                        PaintPauseBanner(pause, tooLong), aliases);
    for (const QString &text : tooLong)
      folder.Report(QStringLiteral("%1: \"%2\" is too long for its picture even in the smallest "
                                   "font; shorten it in %3")
                        .arg(language, text, path));
  }
  folder.SaveBytes("translated_pictures.qrc", ("<RCC>\n  <qresource prefix=\"/pictures\">\n" +
                                               entries + "  </qresource>\n</RCC>\n")
                                                  .toUtf8());
}
