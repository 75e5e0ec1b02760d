// SPDX-License-Identifier: MIT
#include "practice/scheduler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
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

// The rule of the ticks read plainly: every timer looked at for each tick.
class PlainScheduler {
 public:
  struct Timer {
    bool on = false;
    int interval = 0;
    std::int64_t due = 0;
  };
  explicit PlainScheduler(int timers) : timers_(timers) {}
  std::int64_t now() const { return now_; }
  void setEnabled(int i, bool on) {
    if (on && !timers_[i].on) timers_[i].due = now_ + timers_[i].interval;
    timers_[i].on = on;
  }
  void setInterval(int i, int ms) {
    timers_[i].interval = ms;
    timers_[i].due = now_ + ms;
  }
  template <typename OnTick>
  void advance(std::int64_t ms, OnTick onTick) {
    const std::int64_t target = now_ + ms;
    for (;;) {
      int next = -1;
      for (int i = 0; i < static_cast<int>(timers_.size()); ++i) {
        const Timer& t = timers_[i];
        if (t.on && t.interval > 0 && t.due <= target && (next < 0 || t.due < timers_[next].due))
          next = i;
      }
      if (next < 0) break;
      now_ = timers_[next].due;
      timers_[next].due += timers_[next].interval;
      onTick(next);
    }
    now_ = target;
  }

 private:
  std::vector<Timer> timers_;
  std::int64_t now_ = 0;
};

// Many timers switching one another on and off and changing their intervals, from their own ticks
// and between advances: the ticks come as the plain reading of the rule gives them.
TEST(Scheduler, KeepsItsOrderThroughRandomChanges) {
  constexpr int kTimers = 12;
  std::mt19937 draws(7);
  std::vector<int> plan(30000);  // the changes, drawn once: which timer, what, which interval
  for (int& p : plan) p = static_cast<int>(draws() % 997);

  // Plays the plan on either scheduler and logs its ticks.
  const auto play = [&](auto& enable, auto& setInterval, auto& advance, auto& now) {
    std::vector<std::string> log;
    std::size_t at = 0;
    const auto change = [&] {
      const int which = plan[at++ % plan.size()] % kTimers;
      const int what = plan[at++ % plan.size()] % 4;
      const int interval = plan[at++ % plan.size()] % 90;
      if (what == 0) enable(which, true);
      if (what == 1) enable(which, false);
      if (what == 2) setInterval(which, interval);
    };
    const auto onTick = [&](int which) {
      log.push_back(std::to_string(which + 1) + "@" + std::to_string(now()));
      change();
    };
    for (int round = 0; round < 400; ++round) {
      for (int k = 0; k < 3; ++k) change();
      advance(1 + plan[at++ % plan.size()] % 200, onTick);
    }
    return log;
  };

  PlainScheduler plain(kTimers);
  auto plainEnable = [&](int i, bool on) { plain.setEnabled(i, on); };
  auto plainInterval = [&](int i, int ms) { plain.setInterval(i, ms); };
  auto plainAdvance = [&](std::int64_t ms, auto& onTick) { plain.advance(ms, onTick); };
  auto plainNow = [&] { return plain.now(); };
  const std::vector<std::string> expected =
      play(plainEnable, plainInterval, plainAdvance, plainNow);

  Scheduler s;
  std::function<void(int)> tick;
  std::vector<Timer*> timers;
  for (int i = 0; i < kTimers; ++i) timers.push_back(&s.add(i + 1, [&, i] { tick(i); }));
  auto enable = [&](int i, bool on) { timers[i]->setEnabled(on); };
  auto interval = [&](int i, int ms) { timers[i]->setInterval(ms); };
  auto advance = [&](std::int64_t ms, auto& onTick) {
    tick = onTick;
    s.advance(ms);
  };
  auto now = [&] { return s.now(); };
  const std::vector<std::string> fired = play(enable, interval, advance, now);

  ASSERT_GT(expected.size(), 1000u);
  EXPECT_EQ(fired, expected);
}

}  // namespace
}  // namespace kobaru
