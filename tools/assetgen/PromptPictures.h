#pragma once
// The start-key prompt (112 x 21) and the pause banner (474 x 121), painted with the words of
// one language. A word too wide for its place is drawn in a smaller font, never cut; one too
// wide even in the smallest readable font is added to tooLong.

#include "resources/PictureTexts.h"

#include <QImage>
#include <QStringList>

// The families the words are painted in: the English pictures' own, or ones that have the
// letters of a translation (LetteringFamily).
struct TLettering {
  QString Sans = QStringLiteral("Liberation Sans");
  QString Serif = QStringLiteral("Liberation Serif");
};

QImage PaintPressSpace(const TPressSpaceTexts &texts, const TLettering &lettering,
                       QStringList &tooLong);
QImage PaintPauseBanner(const TPauseTexts &texts, const TLettering &lettering,
                        QStringList &tooLong);
