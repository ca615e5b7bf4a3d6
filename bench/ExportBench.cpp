// Export of a ticket-shaped grid (11 columns) through the window's own export action, to a file
// in a scratch folder, for growing row counts.

#include "app/ExportActions.h"
#include "export/core/ShellOpener.h"
#include "export/core/StringGrid.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Rows of "Pole n" and ten two-digit numbers, computed on demand so the grid costs no memory.
class TSyntheticGrid : public IStringGrid {
public:
  explicit TSyntheticGrid(int rows) : FRows(rows) {}
  int ColCount() const override { return 11; }
  int RowCount() const override { return FRows; }
  QString Cells(int col, int row) const override {
    if (row == 0)
      return col == 0 ? QStringLiteral("KENO") : QStringLiteral("%1. číslo").arg(col);
    if (col == 0)
      return QStringLiteral("Pole %1").arg(row);
    return QString::number((row * 7 + col * 13) % 70 + 1);
  }
  int FixedRows() const override { return 1; }
  int Row() const override { return FRow; }
  void SetRow(int row) override { FRow = row; }
  int ColWidths(int) const override { return 72; }
  int TextWidth(const QString &text) const override { return HeadlessTextWidth(text); }

private:
  int FRows;
  int FRow = 1;
};

void Export(benchmark::State &state, TExportFormat format) {
  SetShellOpener(nullptr);
  QTemporaryDir dir;
  TSyntheticGrid grid(int(state.range(0)) + 1);
  const QString fileName = dir.filePath(QStringLiteral("out") + ExportFormatInfo(format).Extension);
  for (auto _ : state) {
    std::unique_ptr<TExporterText> exporter = CreateExporter(format);
    RunExportAction(*exporter, format, grid, QStringLiteral("Keno"), fileName);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ExportXML(benchmark::State &state) { Export(state, efXML); }
void BM_ExportHTML(benchmark::State &state) { Export(state, efHTML); }

}  // namespace

BENCHMARK(BM_ExportXML)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHTML)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
