// SPDX-License-Identifier: MIT
#include "practice/clock_follower.h"

#include <gtest/gtest.h>

#include <vector>

namespace kobaru {
namespace {

// A scheduler with one 50 ms timer that logs the virtual time of each tick, followed from a wall
// clock that starts anywhere.
struct Following : ::testing::Test {
  Scheduler scheduler;
  std::vector<std::int64_t> ticks;
  std::int64_t wall = 123'456;
  ClockFollower follower{scheduler, wall};
  Timer& timer = scheduler.add(1, [this] { ticks.push_back(scheduler.now()); });

  Following() {
    timer.setInterval(50);
    timer.setEnabled(true);
  }
  void after(std::int64_t ms) {
    wall += ms;
    follower.catchUp(wall);
  }
};

TEST_F(Following, TicksFollowTheWallClock) {
  for (int i = 0; i < 21; ++i) after(25);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50, 100, 150, 200, 250, 300, 350, 400, 450, 500}));
  EXPECT_EQ(scheduler.now(), 525);
}

TEST_F(Following, AStallUpToTheLongestCatchUpIsCaughtUp) {
  after(40);
  after(ClockFollower::kLongestCatchUp + 10);  // the tick due at 50 is exactly 1000 ms late
  EXPECT_EQ(ticks.size(), 21u);
  EXPECT_EQ(ticks.back(), 1050);
  EXPECT_EQ(scheduler.now(), 1050);
}

TEST_F(Following, ALongerPauseIsNotReplayed) {
  after(40);
  after(ClockFollower::kLongestCatchUp + 11);         // 1001 ms late: a pause
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50}));  // the tick that was due, at once
  after(49);
  EXPECT_EQ(ticks.size(), 1u);
  after(1);  // then on the old beat, 50 ms after it
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50, 100}));
}

TEST_F(Following, NothingDueNothingToCatchUp) {
  timer.setEnabled(false);
  after(10'000);
  EXPECT_EQ(scheduler.now(), 10'000);  // an idle clock is no pause
  EXPECT_EQ(follower.wait(wall), std::nullopt);
  timer.setEnabled(true);
  after(50);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{10'050}));
}

TEST_F(Following, AKnownPauseIsNotReplayed) {
  after(30);  // a tab hidden 30 ms into the period
  wall += 60'000;
  follower.resumeAfterPause(wall);
  after(19);
  EXPECT_TRUE(ticks.empty());
  after(1);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50}));
  EXPECT_EQ(follower.wait(wall), 50);
}

TEST_F(Following, AWallClockThatStepsBackMovesNothing) {
  after(30);
  after(-20'000);
  EXPECT_EQ(scheduler.now(), 30);
  EXPECT_EQ(follower.wait(wall), 20);
  after(20);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{50}));
}

TEST_F(Following, WaitsUntilTheNextTickNeverLessThanNothing) {
  struct Case {
    std::int64_t wallAfterStart;
    std::int64_t wait;
  };
  for (const Case c : {Case{0, 50}, Case{1, 49}, Case{50, 0}, Case{5000, 0}})
    EXPECT_EQ(follower.wait(wall + c.wallAfterStart), c.wait) << c.wallAfterStart;
  timer.setInterval(Timer::kMaxInterval);
  EXPECT_EQ(follower.wait(wall - 1000), Timer::kMaxInterval);  // fits a platform's int timer
}

}  // namespace
}  // namespace kobaru
