// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

// A manual lot started and stopped at its start price.
struct StoppedLot : ManualScreen {
  explicit StoppedLot(const char* start = "200", std::initializer_list<double> draws = {0.5})
      : ManualScreen(draws) {
    startLot(start);
    f.Command2_Click();
  }
};

TEST(BackOff, TakesThePriceBackAndAwaitsTheRestart) {
  StoppedLot s("1235");
  Form1& f = s.f;
  const std::string record = f.ousatu.text;
  f.Command4_Click();
  f.Command4_Click();
  f.Command6_Click();
  EXPECT_EQ(f.kakaku, 1134);
  EXPECT_EQ(f.Text1.text + f.Text2.text + f.Text3.text + f.Text4.text, "1134");
  EXPECT_EQ(f.ousatu.text, record);  // no line
  EXPECT_EQ(f.Command7.backColor, kRed);
  EXPECT_EQ(f.sutatofuka, 0);
  EXPECT_EQ(f.serityuu, 0);
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
  EXPECT_EQ(f.Label14.foreColor, kBlack);
  EXPECT_EQ(f.Label14.backColor, kBlack);
  EXPECT_FALSE(f.sutato2.visible);
  EXPECT_EQ(f.midori.backColor, kBlack);  // the stop's green lamp is out
  f.Command5_Click();
  EXPECT_EQ(f.kakaku, 1124);
}

TEST(BackOff, GoesBelowZeroUnchecked) {
  StoppedLot s("30");
  s.f.Command4_Click();
  EXPECT_EQ(s.f.kakaku, -20);
  EXPECT_EQ(s.f.Text3.text + s.f.Text4.text, "-20");
}

TEST(BackOff, IsRefusedWhileTheClockRunsOrTheLotIsSoldOut) {
  ManualScreen s;
  s.startLot("200");
  s.f.Command4_Click();
  EXPECT_EQ(s.f.kakaku, 200);
  EXPECT_EQ(s.f.Command7.backColor, kLightCyan);
  StoppedLot sold;
  sold.f.urikirityuu = 1;
  sold.f.Command5_Click();
  EXPECT_EQ(sold.f.kakaku, 200);
}

TEST(Restart, RunsTheLotAgainAsAReauction) {
  for (int modo : {0, 2}) {
    StoppedLot s("200");
    Form1& f = s.f;
    f.modo = modo;
    f.Command4_Click();
    f.osityuu = 1;
    f.Command7_Click();
    EXPECT_EQ(lastLine(f), "再競 CO  15.0");
    EXPECT_EQ(s.host.sounds.size(), 2u);
    EXPECT_EQ(f.saiserikakaku, 150);
    EXPECT_EQ(f.Command7.backColor, kLightCyan);
    EXPECT_EQ(f.osityuu, 0);
    EXPECT_EQ(f.serityuu, 1);
    EXPECT_EQ(f.simekiri, 0);
    EXPECT_EQ(f.Label14.backColor, 0x404040u);
    EXPECT_TRUE(f.sutato2.visible);
    EXPECT_EQ(f.Timer1.interval(), 50);
    EXPECT_EQ(f.Timer2.interval(), 60);
    EXPECT_EQ(f.Timer11.enabled(), modo == 2);  // the re-auction watch of the automatic practice
    f.scheduler.advance(100);
    EXPECT_EQ(f.kakaku, 156);
    EXPECT_EQ(f.ousatu.text.find("応札記録\r\nスタート  20.0\r\n停止 CO  20.0\r\n再競"), 0u);
  }
}

TEST(Restart, RefusedWhileLockedAndLockingWhenRefusedLater) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command7_Click();  // right after Start: locked
  EXPECT_EQ(s.host.sounds.size(), 1u);

  // Unlocked but the clock runs: nothing restarts, yet the lock is set.
  f.sutatofuka = 0;
  f.simekiri = 1;
  f.syudouseri = 1;
  f.Command7_Click();
  EXPECT_EQ(f.sutatofuka, 1);
  EXPECT_EQ(f.simekiri, 0);
  EXPECT_EQ(f.syudouseri, 0);
  EXPECT_EQ(s.host.sounds.size(), 1u);
  f.Command2_Click();
  f.Command7_Click();  // still locked
  EXPECT_EQ(s.host.sounds.size(), 1u);
  EXPECT_FALSE(f.Timer1.enabled());
}

// The automatic re-auction: the clock climbs one second more, stops and steps back below the
// last bid, and restarts three seconds later.
TEST(AutomaticReauction, RunsOnTheTicksOfTheTwoTimers) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("500");
  f.modo = 2;
  f.scheduler.advance(1000);  // 560
  f.Command2_Click();
  f.ousatukakaku = 55.0;
  f.modosikaisuu = 0;
  f.Timer13.setEnabled(true);  // as the simulated floor does
  f.scheduler.advance(1000);
  EXPECT_TRUE(f.Timer1.enabled());  // first tick: the clock climbs one second more
  EXPECT_EQ(f.Timer2.interval(), 50);
  f.scheduler.advance(999);
  EXPECT_EQ(f.kakaku, 620 - 3);
  s.draws = {0.2, 0.2};
  f.scheduler.advance(1);  // second tick: the clock ticks first (620), then stops and steps back
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_FALSE(f.Timer13.enabled());
  EXPECT_EQ(f.kakaku, 520);
  EXPECT_EQ(f.saiserikakaku, 520);
  EXPECT_EQ(f.Text9.text, "52.0");
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.sutatofuka, 0);
  EXPECT_EQ(f.Command7.backColor, kRed);
  EXPECT_TRUE(f.Timer14.enabled());
  const std::size_t sounds = s.host.sounds.size();
  f.scheduler.advance(2999);
  EXPECT_FALSE(f.Timer1.enabled());
  f.scheduler.advance(1);  // the third tick of Timer14
  EXPECT_EQ(lastLine(f), "自動再競  52.0");
  EXPECT_EQ(s.host.sounds.size(), sounds + 1);
  EXPECT_FALSE(f.Timer14.enabled());
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_EQ(f.Timer2.interval(), 60);
  EXPECT_TRUE(f.Timer11.enabled());
  EXPECT_EQ(f.Timer11.interval(), 50);
  EXPECT_EQ(f.simekiri, 0);
}

TEST(AutomaticStepBack, StepsBelowTheLastBidBy50sAnd10s) {
  struct Case {
    double kakaku, lastBid;
    std::deque<double> steps;
    double price;
  };
  const Case cases[] = {
      {534, 52.0, {0.2}, 484},       // 534 -> 484
      {534, 52.0, {0.7, 0.7}, 514},  // 534 -> 524 -> 514
      {534, 52.0, {0.7, 0.2}, 474},  // 534 -> 524 -> 474
      {500, 52.0, {0.7}, 490},       // already below: one step all the same
      {500, 52.0, {0.2}, 450},
  };
  for (const Case& c : cases) {
    ManualScreen s;
    s.startLot("200");
    s.f.Command2_Click();
    s.f.kakaku = c.kakaku;
    s.f.ousatukakaku = c.lastBid;
    s.f.modosikaisuu = 1;
    s.draws = c.steps;
    s.f.Timer13_Timer();
    EXPECT_EQ(s.f.kakaku, c.price) << c.kakaku;
  }
}

TEST(AutomaticStepBack, AnAbsurdPriceStillEnds) {
  ManualScreen s;
  s.startLot("1e300");
  s.f.Command2_Click();
  s.f.ousatukakaku = 0;
  s.f.modosikaisuu = 1;
  s.f.Timer13_Timer();  // 10 and 50 vanish in the rounding of such a price
  EXPECT_TRUE(s.f.Timer14.enabled());
}

}  // namespace
}  // namespace kobaru
