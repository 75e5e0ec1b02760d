// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

std::string mainBoard(const Form1& f) {
  return f.Text1.text + f.Text2.text + f.Text3.text + f.Text4.text;
}

TEST(PriceClock, ClimbsThreeATick) {
  ManualScreen s;
  s.startLot("200");
  Form1& f = s.f;
  f.scheduler.advance(49);
  EXPECT_EQ(f.kakaku, 200);
  f.scheduler.advance(1);
  EXPECT_EQ(f.kakaku, 203);
  EXPECT_EQ(mainBoard(f), "203");
  f.scheduler.advance(50);
  EXPECT_EQ(f.kakaku, 206);
  EXPECT_EQ(f.Text9.text, "20.6");
  f.scheduler.advance(1000);
  EXPECT_EQ(f.kakaku, 266);  // 60 a second at the standard speed
}

TEST(PriceClock, StopsAtTheCeilingShowingThePriceBefore) {
  struct Case {
    const char* start;
    double stopsAt;
    const char* shown;
  };
  for (const Case& c : {Case{"200", 9998, "9995"}, Case{"0", 9996, "9993"}}) {
    ManualScreen s;
    s.startLot(c.start);
    s.f.scheduler.advance(200'000);
    EXPECT_EQ(s.f.kakaku, c.stopsAt) << c.start;
    EXPECT_EQ(mainBoard(s.f), c.shown) << c.start;
    EXPECT_FALSE(s.f.Timer1.enabled());
    EXPECT_FALSE(s.f.Timer2.enabled());
  }
}

TEST(PriceClock, LampsFlickerAtRandomWhileClimbing) {
  // Draws: model year, then one lamp per flicker tick.
  ManualScreen s({0.5, 0.1, 0.5, 0.9});
  s.startLot();
  Form1& f = s.f;
  std::vector<Color> seen;
  for (int i = 0; i < 3; ++i) {
    f.scheduler.advance(50);
    seen.push_back(f.midori.backColor | f.kiiro.backColor | f.aka.backColor);
  }
  EXPECT_EQ(seen, (std::vector<Color>{kGreen, kYellow, kRed}));
  EXPECT_TRUE(f.aka2.visible);
  EXPECT_FALSE(f.midori2.visible);
}

TEST(PriceClock, StopAndSlowActOnlyOnARunningClock) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.scheduler.advance(500);  // 230
  f.Command2_Click();
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0\r\n停止 CO  23.0");
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.midori.backColor, kGreen);
  EXPECT_TRUE(f.midori2.visible);
  const std::string before = f.ousatu.text;
  f.Command2_Click();
  f.Command15_Click();
  EXPECT_EQ(f.ousatu.text, before);
  EXPECT_FALSE(f.Timer1.enabled());
}

TEST(PriceClock, SlowRaiseClimbsAtAThirdOfTheSpeed) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command15_Click();
  EXPECT_EQ(lastLine(f), "スロ CO  20.0");
  EXPECT_EQ(f.Timer1.interval(), 150);
  EXPECT_EQ(f.Timer2.interval(), 150);
  f.scheduler.advance(450);
  EXPECT_EQ(f.kakaku, 209);
}

TEST(ManualRaise, OnTheUntouchedRunningClockMarksTheOthersBid) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.scheduler.advance(100);
  f.Command3_Click();
  EXPECT_EQ(lastLine(f), "他  20.6");
  EXPECT_EQ(f.kakaku, 206);
  EXPECT_EQ(f.ousatukakaku, 20.6);
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
  EXPECT_EQ(f.kaisinaosi, 1);
  EXPECT_TRUE(f.Timer6.enabled());
}

TEST(ManualRaise, AfterAStopStepsOnePositionAndFlashes) {
  ManualScreen s({0.5, 0.9});  // the step lights the red lamp
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  f.taninkenri = 0;
  f.Label10.foreColor = kRed;
  f.kenri.caption = "練習者権利発生";
  f.Command3_Click();
  EXPECT_EQ(f.kakaku, 203);
  EXPECT_EQ(mainBoard(f), "203");
  EXPECT_EQ(lastLine(f), "1POS CO  20.3");
  EXPECT_EQ(f.ousatukakaku, 20.3);
  EXPECT_EQ(f.taninkenri, 1);
  EXPECT_EQ(f.syudouseri, 1);
  EXPECT_EQ(f.Label10.foreColor, kBlack);
  EXPECT_EQ(f.kenri.caption, "");
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Possible));
  EXPECT_EQ(f.Command8.backColor, kLightRed);
  EXPECT_EQ(f.aka.backColor, kRed);
  f.scheduler.advance(40);
  EXPECT_EQ(f.aka.backColor, kRed);
  f.scheduler.advance(40);
  EXPECT_EQ(f.aka.backColor, kBlack);  // dark about 80 ms after the step
  EXPECT_FALSE(f.Timer3.enabled());
  EXPECT_FALSE(f.Timer1.enabled());  // a step does not set the clock going
}

TEST(ManualRaise, AfterTheSellOutIsAnotherBuyersPosition) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  f.urikirityuu = 1;
  f.Command3_Click();
  EXPECT_EQ(lastLine(f), "1POS 他  20.3");
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Declared));
  EXPECT_EQ(f.Command8.backColor, kSalmon);
  EXPECT_EQ(f.Command9.backColor, kLightRed);
  EXPECT_EQ(f.Command22.backColor, kSilver);
}

TEST(ManualRaise, OnAConcludedLotOnlyRestartsTheCountdown) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  f.syuuryou = 1;
  f.ketteikaisuu = 2;
  const std::string before = f.ousatu.text;
  f.Command3_Click();
  EXPECT_EQ(f.ketteikaisuu, 0);
  EXPECT_EQ(f.kaisinaosi, 1);
  EXPECT_EQ(f.kakaku, 200);
  EXPECT_EQ(f.ousatu.text, before);
}

TEST(BidFlash, LightsRedThenGoesDark) {
  ManualScreen s;
  Form1& f = s.f;
  f.youranpu = 0;
  f.Timer4.setEnabled(true);
  f.Timer4.setInterval(40);
  f.scheduler.advance(40);
  EXPECT_EQ(f.aka.backColor, kRed);
  EXPECT_TRUE(f.aka2.visible);
  f.scheduler.advance(40);
  EXPECT_EQ(f.aka.backColor, kBlack);
  EXPECT_FALSE(f.aka2.visible);
  EXPECT_FALSE(f.Timer4.enabled());
}

// The simulated operator: which patterns press the manual raise, and when each one gives up.
TEST(OperatorSimulation, EachPatternFollowsItsStoppingRule) {
  struct Case {
    int copatan;
    double kakaku;
    int urikirityuu, taninkenri;
    bool clockRuns;
    bool raises;
    bool staysOn;
  };
  const Case cases[] = {
      {0, 300, 0, 1, true, true, true},
      {0, 300, 1, 1, false, false, true},  // sold out and the right is already the others'
      {0, 300, 1, 0, false, true, true},
      {1, 519, 0, 1, true, true, true},
      {1, 520, 0, 1, true, false, false},  // reached teisiue
      {1, 400, 1, 1, false, false, true},
      {2, 300, 0, 1, true, true, true},
      {2, 300, 1, 0, false, false, false},  // gives up at the sell-out
      {3, 479, 0, 1, true, true, true},
      {3, 480, 0, 1, true, false, false},  // reached teisisita
      {4, 300, 0, 1, true, true, true},
      {4, 300, 0, 1, false, false, false},  // only while the clock runs
      {5, 300, 0, 1, true, false, false},
      {9, 300, 0, 1, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("pattern " + std::to_string(c.copatan) + " at " + std::to_string(c.kakaku));
    ManualScreen s;
    Form1& f = s.f;
    s.startLot("200");
    f.copatan = c.copatan;
    f.teisiue = 520;
    f.teisisita = 480;
    f.kakaku = c.kakaku;
    f.urikirityuu = c.urikirityuu;
    f.taninkenri = c.taninkenri;
    f.Timer1.setEnabled(c.clockRuns);
    f.Timer17.setEnabled(true);
    f.Timer17.setInterval(350);
    const std::size_t lines = f.ousatu.text.size();
    f.scheduler.advance(350 - 1);
    f.Timer1.setEnabled(false);  // keep the price where the case put it
    f.Timer1.setEnabled(c.clockRuns);
    f.kakaku = c.kakaku;
    f.scheduler.advance(1);
    EXPECT_EQ(f.ousatu.text.size() > lines, c.raises);
    EXPECT_EQ(f.Timer17.enabled(), c.staysOn);
  }
}

TEST(OperatorSimulation, Pattern1StopsForGoodAtTheFirstTickAtOrAboveTeisiue) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("500");
  f.copatan = 1;
  f.teisiue = 520;
  f.Timer17.setEnabled(true);
  f.Timer17.setInterval(350);
  f.scheduler.advance(350);  // 521: at or above 520
  EXPECT_FALSE(f.Timer17.enabled());
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  50.0");
}

}  // namespace
}  // namespace kobaru
