// SPDX-License-Identifier: MIT
#include "practice/scheduler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kobaru {
namespace {

// Records which timer ticked at which virtual millisecond.
struct Ticks {
  Scheduler s;
  std::vector<std::string> log;
  Timer& add(int number) {
    return s.add(number, [this, number] {
      log.push_back("T" + std::to_string(number) + "@" + std::to_string(s.now()));
    });
  }
};

TEST(TimerInterval, RoundsToWholeMillisecondsHalvesToEven) {
  struct Case {
    double requested;
    int expected;
  };
  const Case cases[] = {
      {50, 50},
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {49.5, 50},
      {50.5, 50},
      {50.4999, 50},
      {50.5001, 51},
      {0, 0},
      {-1, 0},
      {-0.4, 0},
      {std::nan(""), 0},
      {3e9, Timer::kMaxInterval},
      {std::numeric_limits<double>::infinity(), Timer::kMaxInterval},
      {-std::numeric_limits<double>::infinity(), 0},
      {2147483646.5, 2147483646},
  };
  Scheduler s;
  Timer& t = s.add(1, {});
  for (const Case& c : cases) {
    t.setInterval(c.requested);
    EXPECT_EQ(t.interval(), c.expected) << "requested " << c.requested;
  }
}

TEST(Scheduler, TicksOnlyWhileEnabledWithIntervalAboveZero) {
  Ticks t;
  Timer& on0 = t.add(1);
  on0.setEnabled(true);  // interval 0: stands still although on
  Timer& off = t.add(2);
  off.setInterval(10);  // off: stands still although it has an interval
  t.s.advance(100);
  EXPECT_TRUE(t.log.empty());
  EXPECT_FALSE(t.s.nextDue());

  off.setEnabled(true);
  t.s.advance(25);
  EXPECT_EQ(t.log, (std::vector<std::string>{"T2@110", "T2@120"}));
  EXPECT_EQ(t.s.now(), 125);
  EXPECT_EQ(t.s.nextDue(), 130);
}

TEST(Scheduler, ReEnablingOrSettingTheIntervalStartsThePeriodAfresh) {
  Ticks t;
  Timer& a = t.add(1);
  a.setInterval(100);
  a.setEnabled(true);
  t.s.advance(60);
  a.setEnabled(false);
  a.setEnabled(true);  // next tick 100 ms from here, not at 100
  t.s.advance(60);
  EXPECT_TRUE(t.log.empty());
  t.s.advance(40);
  EXPECT_EQ(t.log, (std::vector<std::string>{"T1@160"}));

  t.s.advance(50);
  a.setInterval(100);  // same value, still a fresh period
  t.s.advance(99);
  EXPECT_EQ(t.log.size(), 1u);
  t.s.advance(1);
  EXPECT_EQ(t.log.back(), "T1@310");

  a.setEnabled(true);  // already on: the period runs on undisturbed
  t.s.advance(100);
  EXPECT_EQ(t.log.back(), "T1@410");
}

TEST(Scheduler, TicksDueTogetherFireInTimerNumberOrder) {
  Ticks t;
  // Added out of order on purpose: the number decides, not the order of creation.
  for (int n : {17, 1, 9, 2}) {
    Timer& timer = t.add(n);
    timer.setInterval(50);
    timer.setEnabled(true);
  }
  t.s.advance(50);
  EXPECT_EQ(t.log, (std::vector<std::string>{"T1@50", "T2@50", "T9@50", "T17@50"}));
}

TEST(Scheduler, HandlerChangesTakeEffectForTheTicksThatFollow) {
  Scheduler s;
  std::vector<std::string> log;
  Timer* first = nullptr;
  Timer* second = nullptr;
  first = &s.add(1, [&] {
    log.push_back("first@" + std::to_string(s.now()));
    second->setEnabled(false);  // due at the same moment, so it must not fire
    first->setInterval(30);
  });
  second = &s.add(2, [&] { log.push_back("second@" + std::to_string(s.now())); });
  first->setInterval(20);
  first->setEnabled(true);
  second->setInterval(20);
  second->setEnabled(true);
  s.advance(100);
  EXPECT_EQ(log, (std::vector<std::string>{"first@20", "first@50", "first@80"}));
}

TEST(Scheduler, NegativeAndHugeAdvancesAreDefined) {
  Ticks t;
  t.s.advance(-5);
  EXPECT_EQ(t.s.now(), 0);
  // Time saturates at the end of the clock instead of wrapping round...
  t.s.advance(std::numeric_limits<std::int64_t>::max());
  t.s.advance(10);
  EXPECT_EQ(t.s.now(), std::numeric_limits<std::int64_t>::max());
  // ...where a timer can no longer fall due, so advancing still returns.
  Timer& a = t.add(1);
  a.setInterval(1);
  a.setEnabled(true);
  t.s.advance(1000);
  EXPECT_TRUE(t.log.empty());
}

}  // namespace
}  // namespace kobaru
