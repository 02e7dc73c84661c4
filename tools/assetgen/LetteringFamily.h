#pragma once
// The font family the words of a picture are painted in. The pictures are drawn in Liberation
// Sans and Serif, which lack the letters of Japanese, Chinese and Korean; words with letters a
// family lacks take one that has them all, chosen here rather than by the font system's own
// fallback, whose choice depends on the machine's font settings and locale: so a build paints
// the same bytes wherever the same fonts are installed, and a missing font stops it with a
// message instead of painting empty boxes.

#include <QString>

// The preferred family when it has every letter of text; else the first that has them all of
// the families that write the language in its own letter shapes (Noto Sans / Serif CJK JP, SC,
// KR: Debian's fonts-noto-cjk), those of the preferred family's style (Sans, Serif) first; else
// the first installed family that has them, in alphabetical order. Empty when none has them.
QString LetteringFamily(const QString &preferred, const QString &text, const QString &language);
