#include "ExportTypes.h"

QString ExportSourceName(TExportSource source) {
  switch (source) {
  case esDataSet: return QStringLiteral("DataSet");
  case esListView: return QStringLiteral("ListView");
  case esDBGrid: return QStringLiteral("DBGrid");
  case esStringGrid: return QStringLiteral("StringGrid");
  case esCustom: return QStringLiteral("CustomSource");
  }
  return QString();
}
