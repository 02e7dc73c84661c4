#include "resources/PictureTexts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QStringList>

namespace {

// Marked here so that lupdate finds them; translated where they are read.
const char *const Press =
    //: Before a key cap in a small picture on the title screen: "Press [SPACE]" starts the
    //: game. About 45 pixels wide in bold; a longer word is drawn smaller.
    QT_TRANSLATE_NOOP("PictureTexts", "Press");
const char *const SpaceKey =
    //: The label of the space bar as keyboards in this language print it, in capitals, on a
    //: key cap about 55 pixels wide; a longer label is drawn smaller.
    QT_TRANSLATE_NOOP("PictureTexts", "SPACE");
const char *const Paused =
    //: The large title of the banner shown while the game is paused, in capitals.
    QT_TRANSLATE_NOOP("PictureTexts", "PAUSED");
const char *const ResumeHint =
    //: Under the title of the pause banner: P and the Up arrow key end the pause. About 250
    //: pixels wide in bold; a longer text is drawn smaller.
    QT_TRANSLATE_NOOP("PictureTexts", "press P or Up to resume");

QString Translated(const char *text) { return QCoreApplication::translate("PictureTexts", text); }

QString NameWithDigest(const QString &name, const QStringList &words, const QStringList &english) {
  if (words == english)
    return name;
  const QByteArray digest =
      QCryptographicHash::hash(words.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1)
          .toHex()
          .left(8);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return name.left(dot + 1) + QString::fromLatin1(digest) + name.mid(dot);
}

} // namespace

TPressSpaceTexts PressSpaceTexts() { return {Translated(Press), Translated(SpaceKey)}; }

TPauseTexts PauseTexts() { return {Translated(Paused), Translated(ResumeHint)}; }

QString TranslatedPictureName(const QString &name, const TPressSpaceTexts &texts) {
  return NameWithDigest(name, {texts.Press, texts.Key}, {Press, SpaceKey});
}

QString TranslatedPictureName(const QString &name, const TPauseTexts &texts) {
  return NameWithDigest(name, {texts.Title, texts.Hint}, {Paused, ResumeHint});
}
