#include "games/DrawHost.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

void TEventLoopDrawHost::ProcessMessages() { QCoreApplication::processEvents(); }

void TEventLoopDrawHost::Pause(int ms) {
  if (ms <= 0) return;
  // A local event loop keeps the window painting and reacting while the run waits. Pauses nest
  // when a run on another page starts during one.
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  FLoops.append(&loop);
  loop.exec();
  FLoops.removeOne(&loop);
}

void TEventLoopDrawHost::CancelPause() {
  for (QEventLoop *loop : FLoops) loop->quit();
}

namespace {
std::mt19937::result_type ClockSeed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  // Fold the whole counter into the seed: its low bits change fastest.
  return static_cast<std::mt19937::result_type>(static_cast<std::uint64_t>(ticks) ^
                                                (static_cast<std::uint64_t>(ticks) >> 32));
}

int UniformBelow(std::mt19937 &engine, int n) {
  if (n <= 1) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine);
}
}  // namespace

TClockRandomSource::TClockRandomSource() : FEngine(ClockSeed()) {}
int TClockRandomSource::Random(int n) { return UniformBelow(FEngine, n); }
void TClockRandomSource::Randomize() { FEngine.seed(ClockSeed()); }

TSeededRandomSource::TSeededRandomSource(std::uint64_t seed) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  FEngine.seed(sequence);
}
int TSeededRandomSource::Random(int n) { return UniformBelow(FEngine, n); }
