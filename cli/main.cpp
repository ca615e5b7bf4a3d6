// zuduvaro-export: saves a table as the window's export buttons do, without a window.
//
//   zuduvaro-export --format FORMAT [--name NAME] GRID.csv OUTPUT
//
// The table comes from a grid source (today a CSV file); everything after that is the window's own
// export action with its stored settings, except that OUTPUT is used as given and nothing is
// opened afterwards.

#include "CsvGrid.h"
#include "app/ExportActions.h"
#include "export/core/ShellOpener.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <memory>

namespace {

// A command line that does not say what to do; exit status 2.
class EUsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Where the table comes from. A further source (a generated ticket table) adds a kind here, its
// options in ParseCommandLine and its case in OpenGrid.
enum class TGridSource { Csv };

struct TCommandLine {
  TExportFormat Format = efXML;
  QString Name;
  TGridSource Source = TGridSource::Csv;
  QString CsvFile;  // "-" for standard input
  QString Output;
};

const char *const Description =
    "Saves a table in one of the formats of the window's export buttons, with the same settings.\n"
    "\n"
    "GRID.csv is a UTF-8 CSV file (RFC 4180: comma-separated, quoted fields with doubled quotes,\n"
    "CRLF or LF line ends, line breaks allowed inside quotes); \"-\" reads standard input. Its\n"
    "first row holds the column captions, every further row is one record; short rows are padded\n"
    "with empty cells. The file is written to OUTPUT exactly as named (no extension is added); a\n"
    "missing folder is created. An existing file is replaced only when the export succeeds.\n"
    "\n"
    "Exit status: 0 on success, 1 when the export fails (the reason goes to standard error),\n"
    "2 for a wrong command line.";

void Print(FILE *stream, const QString &text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  if (!text.endsWith(QLatin1Char('\n')))
    std::fputc('\n', stream);
}

QString FormatKeys() {
  QStringList keys;
  for (const TExportFormatInfo &info : ExportFormats())
    keys << info.Key;
  return keys.join(QStringLiteral(", "));
}

// Returns nullopt when help was asked for and printed.
std::optional<TCommandLine> ParseCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(Description));
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("Shows this help."));
  const QCommandLineOption formatOption(
      QStringLiteral("format"),
      QStringLiteral("Output format: %1 (only xml and html can be written so far).").arg(FormatKeys()),
      QStringLiteral("FORMAT"));
  const QCommandLineOption nameOption(
      QStringLiteral("name"),
      QStringLiteral("The game's name, used where the format names its output (the HTML title)."),
      QStringLiteral("NAME"));
  parser.addOption(helpOption);
  parser.addOption(formatOption);
  parser.addOption(nameOption);
  parser.addPositionalArgument(QStringLiteral("GRID.csv"), QStringLiteral("The table to export, \"-\" for standard input."));
  parser.addPositionalArgument(QStringLiteral("OUTPUT"), QStringLiteral("The file to write."));

  if (!parser.parse(arguments))
    throw EUsageError(parser.errorText().toStdString());
  if (parser.isSet(helpOption)) {
    Print(stdout, parser.helpText());
    return std::nullopt;
  }

  TCommandLine command;
  if (!parser.isSet(formatOption))
    throw EUsageError("the option --format is missing");
  const QString key = parser.value(formatOption);
  const std::optional<TExportFormat> format = ExportFormatByKey(key);
  if (!format)
    throw EUsageError(QStringLiteral("unknown format \"%1\"; the formats are %2").arg(key, FormatKeys()).toStdString());
  command.Format = *format;
  command.Name = parser.value(nameOption);

  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2)
    throw EUsageError("expected two arguments, the CSV file and the output file");
  command.Source = TGridSource::Csv;
  command.CsvFile = positional[0];
  command.Output = positional[1];
  return command;
}

std::unique_ptr<IStringGrid> OpenGrid(const TCommandLine &command) {
  switch (command.Source) {
  case TGridSource::Csv: return std::make_unique<TCsvGrid>(TCsvGrid::ReadFile(command.CsvFile));
  }
  return nullptr;
}

}  // namespace

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("zuduvaro-export"));
  // The window's exporters open their result; here nothing is ever opened.
  SetShellOpener(nullptr);

  try {
    const std::optional<TCommandLine> command = ParseCommandLine(QCoreApplication::arguments());
    if (!command)
      return 0;
    const std::unique_ptr<IStringGrid> grid = OpenGrid(*command);
    const std::unique_ptr<TExporterText> exporter = CreateExporter(command->Format);
    RunExportAction(*exporter, command->Format, *grid, command->Name, command->Output);
    return 0;
  } catch (const EUsageError &e) {
    Print(stderr, QStringLiteral("zuduvaro-export: %1\nTry \"zuduvaro-export --help\".").arg(QString::fromUtf8(e.what())));
    return 2;
  } catch (const std::exception &e) {
    Print(stderr, QString::fromUtf8(e.what()));
    return 1;
  }
}
