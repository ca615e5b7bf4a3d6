#pragma once
// A host that records the pumps and pauses of a run without waiting, and lets a test act at a
// chosen moment of the run (as the user would during a real pump).

#include "games/DrawHost.h"

#include <functional>
#include <vector>

class TFakeDrawHost : public IDrawHost {
public:
  void ProcessMessages() override {
    ++Pumps;
    if (OnPump) OnPump(Pumps);
  }
  void Pause(int ms) override {
    Pauses.push_back(ms);
    if (OnPause) OnPause(static_cast<int>(Pauses.size()));
  }
  void CancelPause() override { ++Cancels; }

  int Pumps = 0;
  std::vector<int> Pauses;
  int Cancels = 0;
  std::function<void(int pumpNumber)> OnPump;    // numbered from 1
  std::function<void(int pauseNumber)> OnPause;  // numbered from 1
};
