#include "games/DrawHost.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(RandomSource, SeededSourceRepeatsItsStreamAndStaysInRange) {
  TSeededRandomSource a(7), b(7), c(8);
  std::vector<int> fromA, fromB, fromC;
  for (int i = 0; i < 200; ++i) {
    a.Randomize();  // keeps the seeded stream going
    fromA.push_back(a.Random(70));
    fromB.push_back(b.Random(70));
    fromC.push_back(c.Random(70));
  }
  EXPECT_EQ(fromA, fromB);
  EXPECT_NE(fromA, fromC);
  EXPECT_EQ(*std::min_element(fromA.begin(), fromA.end()), 0);
  EXPECT_EQ(*std::max_element(fromA.begin(), fromA.end()), 69);
  EXPECT_EQ(a.Random(1), 0);
}

TEST(RandomSource, ClockSourceStaysInRange) {
  TClockRandomSource random;
  for (int i = 0; i < 500; ++i) {
    random.Randomize();
    const int value = random.Random(4);
    ASSERT_TRUE(value >= 0 && value < 4);
  }
}

TEST(EventLoopDrawHost, PumpHandlesPendingEvents) {
  TEventLoopDrawHost host;
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  host.ProcessMessages();
  EXPECT_TRUE(handled);
}

TEST(EventLoopDrawHost, CancelEndsNestedPausesAtOnce) {
  // The pauses are long; the test ends only because the cancel cuts them short.
  TEventLoopDrawHost host;
  bool innerEnded = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] { host.CancelPause(); });
    host.Pause(600000);
    innerEnded = true;
  });
  host.Pause(600000);
  EXPECT_TRUE(innerEnded);
  host.Pause(0);  // no pause at all
}
