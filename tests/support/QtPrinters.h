#pragma once
// Readable GoogleTest output for the Qt values these tests compare.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *os) {
  *os << '{' << list.join(", ").toStdString() << '}';
}
inline void PrintTo(const QPoint &p, std::ostream *os) {
  *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QSize &s, std::ostream *os) { *os << s.width() << 'x' << s.height(); }
inline void PrintTo(const QRect &r, std::ostream *os) {
  *os << r.width() << 'x' << r.height() << " at (" << r.x() << ", " << r.y() << ')';
}
