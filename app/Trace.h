#pragma once
// Event trace for tests and end-to-end checks: with QUARRYBOX_TRACE=FILE set, every event is
// appended to FILE as "<ms since start> <event> <args>" and flushed at once. Unset, it costs a
// pointer test.

#include <QString>

namespace Trace {
bool Enabled();
void Event(const char *event, const QString &args = QString());
} // namespace Trace
