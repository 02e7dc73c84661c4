#pragma once
// The one error type of the display, sprite and input layer. Its texts are fixed: the program
// shows them to the player as they are.

#include <QString>

#include <stdexcept>

class TMediaError : public std::runtime_error {
public:
  explicit TMediaError(const QString &message)
      : std::runtime_error(message.toStdString()), Text(message) {}

  // A list (sprite children, picture items) read past its end.
  static TMediaError ListIndex(int index) {
    return TMediaError(QStringLiteral("Index of the list exceeds the range. (%1)").arg(index));
  }

  const QString &Message() const { return Text; }

private:
  QString Text;
};
