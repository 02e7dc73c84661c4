#include "tools/assetgen/LetteringFamily.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QStringList>

#include <algorithm>

namespace {

// The same Han character is drawn differently in Japan, China and Korea: each language's own
// families come before any other that merely has the letters. Add a language's families here.
const QHash<QString, QStringList> LanguageFamilies = {
    {QStringLiteral("ja"),
     {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Serif CJK JP")}},
    {QStringLiteral("ko"),
     {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Noto Serif CJK KR")}},
    {QStringLiteral("zh_CN"),
     {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")}},
    {QStringLiteral("zh_TW"),
     {QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Serif CJK TC")}},
};

bool HasLetters(const QString &family, const QString &text) {
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  const QRawFont raw = QRawFont::fromFont(font);
  // A family that is not installed comes back as the font system's substitute.
  if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0)
    return false;
  for (const char32_t c : text.toUcs4())
    if (!QChar::isSpace(c) && !raw.supportsCharacter(c))
      return false;
  return true;
}

bool IsSerif(const QString &family) { return family.contains(QLatin1String("Serif")); }

} // namespace

QString LetteringFamily(const QString &preferred, const QString &text, const QString &language) {
  if (HasLetters(preferred, text))
    return preferred;
  QStringList own = LanguageFamilies.value(language);
  std::stable_partition(own.begin(), own.end(), [&preferred](const QString &family) {
    return IsSerif(family) == IsSerif(preferred);
  });
  for (const QString &family : own)
    if (HasLetters(family, text))
      return family;
  for (const QString &family : QFontDatabase::families())
    if (!QFontDatabase::isPrivateFamily(family) && HasLetters(family, text))
      return family;
  return QString();
}
