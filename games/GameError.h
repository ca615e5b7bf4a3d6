#pragma once
// A failure of the games' logic that the user reads (for instance a bad command-line request).

#include <QByteArray>
#include <QString>
#include <exception>

class EGameError : public std::exception {
public:
  explicit EGameError(const QString &message) : FMessage(message), FUtf8(message.toUtf8()) {}
  const QString &Message() const { return FMessage; }
  const char *what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};
