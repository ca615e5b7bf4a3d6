// zuduvaro-export: saves a table as the window's export buttons do, without a window.
//
//   zuduvaro-export --format FORMAT [--name NAME] GRID.csv OUTPUT
//   zuduvaro-export --format FORMAT [--name NAME] --game GAME [--fields N] [--numbers K] [--seed S] OUTPUT
//
// The table comes from a grid source (a CSV file, or a ticket table filled by the game's own drawing
// routines); everything after that is the window's own
// export action with its stored settings, except that OUTPUT is used as given and nothing is
// opened afterwards.

#include "CsvGrid.h"
#include "app/ExportActions.h"
#include "export/core/ShellOpener.h"
#include "games/GameCatalogue.h"
#include "games/TicketGenerator.h"
#include "games/TicketTable.h"

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

// Where the table comes from.
enum class TGridSource { Csv, Game };

struct TCommandLine {
  TExportFormat Format = efXML;
  QString Name;
  TGridSource Source = TGridSource::Csv;
  QString CsvFile;  // "-" for standard input
  TTicketRequest Tickets;
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
    "With --game, no CSV file is read: a ticket table of that game is filled by the game's own\n"
    "drawing routines, without animation or pauses, as \"Generovat\" fills it in the window.\n"
    "--fields sets \"Počet polí\" (1 to 100, default 4), --numbers sets \"Počet čísel\" (Keno and\n"
    "Šťastných 10: 1 to 10, default 1; the other games have a fixed count), and --seed makes the\n"
    "draw repeatable: the same seed gives the same table. Without --name the game's own name is used.\n"
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

int WholeNumber(const QString &text, const char *option) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    throw EUsageError(QStringLiteral("%1 takes a whole number").arg(QLatin1String(option)).toStdString());
  return value;
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
  const QCommandLineOption gameOption(
      QStringLiteral("game"), QStringLiteral("Generate the table of this game: %1.").arg(TicketGameIds()),
      QStringLiteral("GAME"));
  const QCommandLineOption fieldsOption(QStringLiteral("fields"),
                                        QStringLiteral("With --game: how many fields (default 4)."),
                                        QStringLiteral("N"), QStringLiteral("4"));
  const QCommandLineOption numbersOption(QStringLiteral("numbers"),
                                         QStringLiteral("With --game: how many numbers per field."),
                                         QStringLiteral("K"));
  const QCommandLineOption seedOption(QStringLiteral("seed"),
                                      QStringLiteral("With --game: seed of the random draw."),
                                      QStringLiteral("S"));
  parser.addOption(helpOption);
  parser.addOption(formatOption);
  parser.addOption(nameOption);
  parser.addOption(gameOption);
  parser.addOption(fieldsOption);
  parser.addOption(numbersOption);
  parser.addOption(seedOption);
  parser.addPositionalArgument(QStringLiteral("GRID.csv"), QStringLiteral("The table to export, \"-\" for standard input (not with --game)."));
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
  if (parser.isSet(gameOption)) {
    const TGameInfo *game = FindGameById(parser.value(gameOption));
    if (!game)
      throw EUsageError(QStringLiteral("unknown game \"%1\"; the games are %2")
                            .arg(parser.value(gameOption), TicketGameIds())
                            .toStdString());
    if (positional.size() != 1)
      throw EUsageError("with --game, expected one argument, the output file");
    command.Source = TGridSource::Game;
    command.Tickets.GameId = game->Id;
    command.Tickets.Fields = WholeNumber(parser.value(fieldsOption), "--fields");
    if (parser.isSet(numbersOption))
      command.Tickets.Numbers = WholeNumber(parser.value(numbersOption), "--numbers");
    if (parser.isSet(seedOption)) {
      bool ok = false;
      command.Tickets.Seed = parser.value(seedOption).toULongLong(&ok);
      if (!ok)
        throw EUsageError("--seed takes a whole number of 0 or more");
    }
    if (!parser.isSet(nameOption))
      command.Name = game->ExportName;
    command.Output = positional[0];
    return command;
  }
  for (const QCommandLineOption &option : {fieldsOption, numbersOption, seedOption})
    if (parser.isSet(option))
      throw EUsageError(QStringLiteral("--%1 goes with --game").arg(option.names().first()).toStdString());
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
  case TGridSource::Game: {
    auto table = std::make_unique<TTicketTable>();
    GenerateTickets(*table, command.Tickets);
    return table;
  }
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
