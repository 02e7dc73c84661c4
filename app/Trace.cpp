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

struct TCaptureTarget {
  QByteArray *Out = nullptr;
  std::function<qint64()> Now;
};
TCaptureTarget Captured;

} // namespace

bool Trace::Enabled() { return Captured.Out || Open() != nullptr; }

void Trace::Event(const char *event, const QString &args) {
  TraceFile *t = Captured.Out ? nullptr : Open();
  if (!t && !Captured.Out)
    return;
  QByteArray line = QByteArray::number(t ? t->Since.elapsed() : Captured.Now()) + ' ' + event;
  if (!args.isEmpty())
    line += ' ' + args.toUtf8();
  line += '\n';
  if (!t) {
    Captured.Out->append(line);
    return;
  }
  t->File.write(line);
  t->File.flush();
}

Trace::TCapture::TCapture(QByteArray &out, std::function<qint64()> now) {
  Captured = {&out, std::move(now)};
}

Trace::TCapture::~TCapture() { Captured = {}; }
