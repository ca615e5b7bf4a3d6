#pragma once
// Every failure of the export engine is raised as this exception; its text is what the user reads.

#include <QString>
#include <exception>

class EExportError : public std::exception {
public:
  explicit EExportError(const QString &message) : FMessage(message), FUtf8(message.toUtf8()) {}
  const QString &Message() const { return FMessage; }
  const char *what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};
