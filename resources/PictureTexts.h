#pragma once
// The words painted into the start-key prompt and the pause banner, translated like the
// program's other texts. assetgen paints one copy of each picture per translation; the program
// shows the copy painted with the words its installed translation gives, so the picture always
// speaks the language of the menus, and English when no copy matches.

#include <QString>

struct TPressSpaceTexts {
  QString Press; // before the key cap
  QString Key;   // on the key cap
};

struct TPauseTexts {
  QString Title;
  QString Hint;
};

// In the installed translation (English without one).
TPressSpaceTexts PressSpaceTexts();
TPauseTexts PauseTexts();

// The resource name of the copy of a picture painted with these words: the plain name for the
// English words, else the name with a digest of the words before its extension
// ("PauseL.0123abcd.png").
QString TranslatedPictureName(const QString &name, const TPressSpaceTexts &texts);
QString TranslatedPictureName(const QString &name, const TPauseTexts &texts);
