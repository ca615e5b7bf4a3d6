#pragma once
// The output writer every text format writes through: encodes and appends text to a stream.

#include "ExportTypes.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class TExporter;

class TExportWriter {
public:
  TExportWriter(TExporter *owner, QIODevice *stream) : FOwner(owner), FStream(stream) {}
  virtual ~TExportWriter() = default;

  QIODevice *Stream() const { return FStream; }
  TExporter *Owner() const { return FOwner; }

  void Write(const QString &s);
  void WriteLn(const QString &s);
  void EmptyLine() { WriteLn(QString()); }
  virtual QString AlignToStr(TExportColAlign alignment) const;

  // The bytes of s in the given encoding (no byte-order mark).
  static QByteArray Encode(const QString &s, TExportCharsetType charset);

private:
  TExporter *FOwner;
  QIODevice *FStream;
};
