#pragma once
// Outcome of a game file operation. A failure carries one message for the player that names the
// file and what is wrong with it; nothing in the game file layer throws.

#include <QString>

#include <optional>
#include <utility>

class TStatus {
public:
  static TStatus Success() { return TStatus(); }
  static TStatus Failure(QString message) {
    TStatus status;
    status.Failed = true;
    status.Message = std::move(message);
    return status;
  }

  bool Ok() const { return !Failed; }
  const QString &Error() const { return Message; }

private:
  bool Failed = false;
  QString Message;
};

// A value, or the failure that kept it from being made.
template <class T> class TResult {
public:
  TResult(T value) : Stored(std::move(value)) {}
  // Only from a failure: a success without a value means nothing.
  TResult(TStatus failure) : Message(failure.Ok() ? QStringLiteral("no value") : failure.Error()) {}

  bool Ok() const { return Stored.has_value(); }
  const QString &Error() const { return Message; }
  TStatus Status() const { return Ok() ? TStatus::Success() : TStatus::Failure(Message); }

  T &Value() { return *Stored; }
  const T &Value() const { return *Stored; }
  T *operator->() { return &*Stored; }
  const T *operator->() const { return &*Stored; }

private:
  std::optional<T> Stored;
  QString Message;
};
