#include "games/TicketGenerator.h"

#include "games/GameError.h"
#include "games/GamePage.h"

#include <memory>

QString TicketGameIds() {
  QStringList ids;
  for (const TGameInfo &info : GameCatalogue()) ids << info.Id;
  return ids.join(QStringLiteral(", "));
}

namespace {

const TGameInfo &RequestedGame(const TTicketRequest &request) {
  const TGameInfo *info = FindGameById(request.GameId);
  if (!info)
    throw EGameError(QStringLiteral("Unknown game \"%1\"; the games are: %2.")
                         .arg(request.GameId, TicketGameIds()));
  return *info;
}

void CheckFields(const TTicketRequest &request) {
  if (request.Fields < 1 || request.Fields > TGamePage::PocetPoliMax)
    throw EGameError(QStringLiteral("The number of fields must be from 1 to %1, not %2.")
                         .arg(TGamePage::PocetPoliMax)
                         .arg(request.Fields));
}

int RequestedNumbers(const TGameInfo &info, const TTicketRequest &request) {
  if (request.Numbers == 0) return info.NumbersDefault;
  if (request.Numbers < info.NumbersMin || request.Numbers > info.NumbersMax) {
    if (info.NumbersMin == info.NumbersMax)
      throw EGameError(QStringLiteral("%1 always has %2 numbers per field, not %3.")
                           .arg(info.ExportName)
                           .arg(info.NumbersMin)
                           .arg(request.Numbers));
    throw EGameError(QStringLiteral("%1 takes from %2 to %3 numbers per field, not %4.")
                         .arg(info.ExportName)
                         .arg(info.NumbersMin)
                         .arg(info.NumbersMax)
                         .arg(request.Numbers));
  }
  return request.Numbers;
}

}  // namespace

void GenerateTickets(TTicketTable &table, const TTicketRequest &request) {
  const TGameInfo &info = RequestedGame(request);
  CheckFields(request);
  const int numbers = RequestedNumbers(info, request);

  std::unique_ptr<IRandomSource> random;
  if (request.Seed)
    random = std::make_unique<TSeededRandomSource>(*request.Seed);
  else
    random = std::make_unique<TClockRandomSource>();
  TNoWaitDrawHost host;

  // The page runs exactly what "Generovat" runs in the window, without pumps or pauses.
  TGamePage page(info.Game, host, *random);
  page.FirstShow();
  page.ClearClick();
  page.SetPocetCisel(numbers);
  page.WritePocetPoli(request.Fields);
  page.GenerateClick();

  const TTicketTable &filled = page._sg();
  table.SetRowCount(filled.RowCount());
  for (int row = 0; row < filled.RowCount(); ++row)
    for (int col = 0; col < filled.ColCount(); ++col)
      table.SetCell(col, row, filled.Cells(col, row));
}
