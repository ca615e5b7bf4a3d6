#pragma once
// Enumerations and small value types shared by the export engine and its writers.

#include <QString>
#include <QtGlobal>

enum TExportSource { esDataSet = 0, esListView, esDBGrid, esStringGrid, esCustom };

enum TExportColType {
  ectInteger = 0,
  ectBigint,
  ectFloat,
  ectCurrency,
  ectDate,
  ectTime,
  ectDateTime,
  ectString,
  ectBoolean,
  ectUnknown
};

enum TExportColAlign { ecaLeft = 0, ecaCenter, ecaRight };

// Output encodings. The named single-byte code pages between ectArmscii8 and ectSwe7 are kept
// as values only; they write nothing.
enum TExportCharsetType {
  ectLocalANSI = 0,
  ectLocalOEM = 1,
  ectLocalMAC = 2,
  ectArmscii8 = 3,
  ectSwe7 = 26,
  ectUTF8 = 27,
  ectUTF16 = 28,
  ectUTF32 = 29
};

// A colour as the toolkit stores it: red in the low byte, then green, then blue ($00BBGGRR).
using TColor = quint32;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clBlack = 0x00000000;

// What a writer needs of a font: no QtGui here, the engine runs headless.
struct TExportFont {
  QString Name = QStringLiteral("Arial");
  int Size = 8;  // points
  TColor Color = clBlack;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;

  bool operator==(const TExportFont &o) const {
    return Name == o.Name && Size == o.Size && Color == o.Color && Bold == o.Bold &&
           Italic == o.Italic && Underline == o.Underline;
  }
  bool operator!=(const TExportFont &o) const { return !(*this == o); }
};

// Name of a source kind as the export messages print it ("StringGrid", "DataSet", ...).
QString ExportSourceName(TExportSource source);
