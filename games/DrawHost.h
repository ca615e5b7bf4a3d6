#pragma once
// What a generation run needs of the world around it: the message pump and the pause between
// revealed values (IDrawHost), and the random numbers (IRandomSource). The window uses the real
// ones; tests and the command line replace them.

#include <QVector>
#include <cstdint>
#include <random>

class QEventLoop;

class IDrawHost {
public:
  virtual ~IDrawHost() = default;
  // Handles the pending window messages once.
  virtual void ProcessMessages() = 0;
  // Waits the given milliseconds; the window stays responsive meanwhile.
  virtual void Pause(int ms) = 0;
  // Ends the pauses in progress early (used when a run is stopped because the window closes).
  virtual void CancelPause() {}
};

// The real host: pumps the Qt event queue and waits in a local event loop, so the window repaints
// and reacts during a pause.
class TEventLoopDrawHost : public IDrawHost {
public:
  void ProcessMessages() override;
  void Pause(int ms) override;
  void CancelPause() override;

private:
  QVector<QEventLoop *> FLoops;  // the pauses in progress, innermost last
};

// A host that neither pumps nor waits: for generating tickets without a window.
class TNoWaitDrawHost : public IDrawHost {
public:
  void ProcessMessages() override {}
  void Pause(int) override {}
};

class IRandomSource {
public:
  virtual ~IRandomSource() = default;
  // A uniform integer in 0 .. n - 1, for n >= 1.
  virtual int Random(int n) = 0;
  // Reseeds the source (from the clock, for the real one). Called at the start of every field.
  virtual void Randomize() = 0;
};

// The window's source: std::mt19937, reseeded from the high-resolution clock at every Randomize.
class TClockRandomSource : public IRandomSource {
public:
  TClockRandomSource();
  int Random(int n) override;
  void Randomize() override;

private:
  std::mt19937 FEngine;
};

// A deterministic source for tests and `--seed`: one std::mt19937 stream from the given seed;
// Randomize leaves the stream going, so the same seed always gives the same whole run.
class TSeededRandomSource : public IRandomSource {
public:
  explicit TSeededRandomSource(std::uint64_t seed);
  int Random(int n) override;
  void Randomize() override {}

private:
  std::mt19937 FEngine;
};
