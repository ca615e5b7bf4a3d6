// Filling a ticket table through the games' own drawing routines, without pauses: the cost of
// everything a field does besides waiting.

#include "games/GameCatalogue.h"
#include "games/TicketGenerator.h"
#include "games/TicketTable.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GenerateTickets(benchmark::State &state) {
  const TGameInfo &game = GameCatalogue().at(size_t(state.range(0)));
  TTicketRequest request;
  request.GameId = game.Id;
  request.Fields = 100;
  request.Numbers = game.NumbersMax;
  request.Seed = 1;
  for (auto _ : state) {
    TTicketTable table;
    GenerateTickets(table, request);
    benchmark::DoNotOptimize(table.RowCount());
  }
  state.SetLabel(game.Id.toStdString());
  state.SetItemsProcessed(state.iterations() * request.Fields);
}

}  // namespace

BENCHMARK(BM_GenerateTickets)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
