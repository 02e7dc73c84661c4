#pragma once
// Event trace for tests and end-to-end checks: with QUARRYBOX_TRACE=FILE set, every event is
// appended to FILE as "<ms since start> <event> <args>" and flushed at once. Unset, it costs a
// pointer test.

#include <QByteArray>
#include <QString>

#include <functional>

namespace Trace {
bool Enabled();
void Event(const char *event, const QString &args = QString());

// While one exists, events go to `out` instead, stamped by `now` (a test's virtual clock).
class TCapture {
public:
  TCapture(QByteArray &out, std::function<qint64()> now);
  ~TCapture();
  TCapture(const TCapture &) = delete;
  TCapture &operator=(const TCapture &) = delete;
};
} // namespace Trace
