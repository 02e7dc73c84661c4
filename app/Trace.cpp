#include "app/Trace.h"

#include <QElapsedTimer>
#include <QFile>

#include <memory>

namespace {

struct TraceFile {
  QFile File;
  QElapsedTimer Since;
};

TraceFile *Open() {
  static std::unique_ptr<TraceFile> trace = [] {
    const QByteArray path = qgetenv("QUARRYBOX_TRACE");
    if (path.isEmpty())
      return std::unique_ptr<TraceFile>();
    auto t = std::make_unique<TraceFile>();
    t->File.setFileName(QString::fromLocal8Bit(path));
    if (!t->File.open(QIODevice::Append | QIODevice::Text))
      return std::unique_ptr<TraceFile>();
    t->Since.start();
    return t;
  }();
  return trace.get();
}

} // namespace

bool Trace::Enabled() { return Open() != nullptr; }

void Trace::Event(const char *event, const QString &args) {
  TraceFile *t = Open();
  if (!t)
    return;
  QByteArray line = QByteArray::number(t->Since.elapsed()) + ' ' + event;
  if (!args.isEmpty())
    line += ' ' + args.toUtf8();
  line += '\n';
  t->File.write(line);
  t->File.flush();
}
