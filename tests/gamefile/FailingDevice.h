#pragma once
// A seekable in-memory device that holds at most Limit bytes, like a disk that fills up: a write
// that would reach past the limit is cut short, writes at the limit fail.

#include <QBuffer>

class TFailingDevice : public QBuffer {
public:
  explicit TFailingDevice(qint64 limit) : Limit(limit) {}

protected:
  qint64 writeData(const char *data, qint64 length) override {
    const qint64 room = Limit - pos();
    setErrorString(QStringLiteral("No space left on device"));
    if (room <= 0)
      return -1;
    return QBuffer::writeData(data, std::min(length, room));
  }

private:
  qint64 Limit;
};
