#pragma once
// The schema file beside an XML export: describes "dataroot" as a sequence of table elements, and
// the table element as one element per column, typed after the column.

#include "export/core/ExportTypes.h"

#include <QString>
#include <QVector>

namespace ExporterXML {

struct TSchemaColumn {
  QString Name;
  TExportColType ColType = ectString;
  int Length = 255;
};

// The whole schema document, on one line without line end.
QString SchemaText(const QString &tableName, const QVector<TSchemaColumn> &columns);

}  // namespace ExporterXML
