// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

TEST(OtherBidders, ALotNobodyBidsOnEndsFarPastTheReserveWithNoCall) {
  AutomaticLot s("1000", "1200");
  s.ticks(200);
  EXPECT_EQ(s.f.ousatu.text, "応札記録\r\nスタート  100.0\r\n流札  128.2\r\n\r\nﾉｰｺｰﾙ  100.0");
  EXPECT_EQ(s.f.syuuryou, 1);
  EXPECT_EQ(s.f.simekiri, 1);
  EXPECT_EQ(s.f.kakaku, 0);
  EXPECT_EQ(s.f.Command10.backColor, kRed);
  EXPECT_EQ(s.host.sounds.back(), s.f.nagarewav);
  EXPECT_FALSE(s.f.Timer9.enabled());
}

TEST(OtherBidders, TheClockStopsAtTheFirstBidWithinTheMargin) {
  struct Case {
    int margin;
    int ticks;  // before the others' bid, from 1000
    bool stops;
  };
  // 1189 is exactly the narrow margin below the reserve of 1200: not within it.
  const Case cases[] = {
      {33, 57, true}, {11, 57, false}, {11, 64, true}, {33, 55, false}, {11, 63, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.margin) + " at " + std::to_string(1000 + 3 * c.ticks));
    AutomaticLot s("1000", "1200", c.margin);
    s.ticks(c.ticks);
    s.f.Command3_Click();  // the others' bid at the running price
    s.ticks(1);
    EXPECT_EQ(!s.f.Timer1.enabled(), c.stops);
    if (c.stops) {
      EXPECT_EQ(lastLine(s.f), "自動停止  " + priceText((1000 + 3 * (c.ticks + 1)) / 10.0));
      EXPECT_EQ(s.f.midori.backColor, kGreen);
      EXPECT_TRUE(s.f.Timer8.enabled());
      EXPECT_TRUE(s.f.Timer10.enabled());
    }
  }
}

// A bid exactly at the reserve does not sell the lot out; the next position above it does.
TEST(OtherBidders, ABidExactlyAtTheReserveDoesNotSellOut) {
  AutomaticLot s("1002", "1200");
  Form1& f = s.f;
  s.ticks(56);         // 1170
  f.Command3_Click();  // 他 117.0, within the margin
  s.ticks(1);          // 自動停止 117.3
  ASSERT_FALSE(f.Timer1.enabled());
  while (f.kakaku < 1200) f.Command3_Click();  // the operator, one position at a time
  ASSERT_EQ(lastLine(f), "1POS CO  120.0");
  f.scheduler.advance(500);
  EXPECT_EQ(f.urikirityuu, 0);
  f.Command3_Click();
  f.scheduler.advance(500);
  EXPECT_EQ(f.urikirityuu, 1);
  EXPECT_EQ(lastLine(f), "うりきり  120.3");
}

TEST(OtherBidders, TheTraineesBidsStopTheClockAndPassTheReserve) {
  AutomaticLot s("1000", "1200");
  Form1& f = s.f;
  s.ticks(57);
  f.Command12_Click();  // YOU 117.1
  s.ticks(1);
  ASSERT_FALSE(f.Timer1.enabled());
  f.Command12_MouseDown();  // held: the clock climbs again
  s.ticks(10);
  f.Command12_MouseUp();  // ベタ YOU 120.4, past the reserve
  EXPECT_EQ(lastLine(f), "ベタ YOU  120.4");
  f.scheduler.advance(500);
  EXPECT_EQ(f.urikirityuu, 1);
  EXPECT_EQ(lastLine(f), "うりきり  120.4");
  EXPECT_EQ(f.nokori2.text, "3");
  EXPECT_FALSE(f.Timer8.enabled());
  EXPECT_FALSE(f.Timer10.enabled());
  f.scheduler.advance(3000);
  EXPECT_EQ(lastLine(f), "自分落札  120.4");
  EXPECT_EQ(f.Command14.backColor, kRed);
}

// The stop line itself may pass the reserve while the price has moved past the last bid. The
// watch then waits on: the next bid at the standing price sells the lot, or the wait ends it.
TEST(OtherBidders, AReserveOnlyPassedByTheStopLineKeepsTheWatchGoing) {
  for (bool bidFollows : {true, false}) {
    SCOPED_TRACE(bidFollows ? "a bid follows" : "nobody bids");
    AutomaticLot s("1000", "1200");
    Form1& f = s.f;
    s.ticks(66);
    f.Command3_Click();  // 他 119.8
    s.ticks(1);          // 自動停止 120.1
    f.scheduler.advance(500);
    EXPECT_EQ(f.urikirityuu, 0);
    EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
    EXPECT_TRUE(f.Timer8.enabled());
    EXPECT_TRUE(f.Timer10.enabled());
    if (bidFollows) {
      f.Command3_Click();  // 1POS CO 120.4: a bid at the standing price
      f.scheduler.advance(500);
      EXPECT_EQ(f.urikirityuu, 1);
      f.scheduler.advance(3000);
      EXPECT_EQ(lastLine(f), "他人落札  120.4");
    } else {
      s.draws = {0.9};  // the wait ends in no sale
      f.scheduler.advance(6000);
      EXPECT_EQ(f.syuuryou, 1);
      EXPECT_EQ(lastLine(f), "最終応札  119.8");
    }
  }
}

TEST(OtherBidders, TheStopWaitEndsInReauctionOrNoSale) {
  struct Case {
    double draw;
    bool reauction;
  };
  for (const Case& c : {Case{0.0, true}, Case{0.249, true}, Case{0.25, false}, Case{0.99, false}}) {
    SCOPED_TRACE(c.draw);
    AutomaticLot s("1000", "1200");
    Form1& f = s.f;
    s.ticks(57);
    f.Command3_Click();  // 他 117.1
    s.ticks(1);
    s.draws = {c.draw};
    f.scheduler.advance(5999);
    EXPECT_TRUE(f.Timer10.enabled());
    f.scheduler.advance(1);
    EXPECT_FALSE(f.Timer10.enabled());
    EXPECT_FALSE(f.Timer8.enabled());
    EXPECT_EQ(f.Timer13.enabled(), c.reauction);
    EXPECT_EQ(f.syuuryou, c.reauction ? 0 : 1);
    if (!c.reauction) {
      EXPECT_EQ(f.ousatu.text.substr(f.ousatu.text.find("自動停止")),
                "自動停止  117.4\r\n流札  117.4\r\n\r\n最終応札  117.1");
    }
  }
}

}  // namespace
}  // namespace kobaru
