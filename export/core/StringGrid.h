#pragma once
// What the export engine needs of a string grid. The ticket table implements it, and so does the
// command line over a CSV file.

#include <QString>

class IStringGrid {
public:
  virtual ~IStringGrid() = default;

  virtual int ColCount() const = 0;
  virtual int RowCount() const = 0;
  virtual QString Cells(int col, int row) const = 0;  // empty text for an empty cell
  virtual int FixedRows() const = 0;
  virtual int Row() const = 0;  // the current row
  virtual void SetRow(int row) = 0;
  virtual int ColWidths(int col) const = 0;           // pixels
  virtual int TextWidth(const QString &text) const = 0;  // pixels, in the grid's font
};

// Pixel width of a text in Tahoma with height -11, from a table of that font's advance widths.
// Lets grids measure text without a display.
int HeadlessTextWidth(const QString &text);
