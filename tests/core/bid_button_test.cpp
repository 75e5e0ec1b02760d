// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "support/screen.h"

namespace kobaru {
namespace {

int lineCount(const Form1& f) {
  return static_cast<int>(std::count(f.ousatu.text.begin(), f.ousatu.text.end(), '\n'));
}

// The stages a lot passes through, set up from a manual lot started at 200.
enum class Stage { Running, Stopped, SoldOutOthersRight, SoldOutTraineesRight, RunningAfterRaise };

void setUp(ManualScreen& s, Stage stage) {
  Form1& f = s.f;
  s.startLot("200");
  switch (stage) {
    case Stage::Running:
      f.scheduler.advance(100);  // 206
      break;
    case Stage::Stopped:
      f.scheduler.advance(100);
      f.Command2_Click();
      break;
    case Stage::SoldOutOthersRight:
      f.Command2_Click();  // stands on the start price, the floor's bid
      f.Command8_Click();
      break;
    case Stage::SoldOutTraineesRight:
      f.Command2_Click();
      f.Command8_Click();
      f.Command12_Click();  // 1POS YOU 20.3
      break;
    case Stage::RunningAfterRaise:
      f.Command2_Click();
      f.Command13_MouseDown();
      f.scheduler.advance(100);
      break;
  }
}

TEST(BidButton, EachControlWritesItsLine) {
  struct Case {
    const char* name;
    Stage stage;
    std::function<void(Form1&)> use;
    std::vector<std::string> lines;  // lines added, in order
    bool clockRunsAfter;
  };
  const Case cases[] = {
      {"click while the opening rise runs",
       Stage::Running,
       [](Form1& f) { f.Command12_Click(); },
       {"YOU  20.6"},
       true},
      {"press and release with the clock stopped",
       Stage::Stopped,
       [](Form1& f) {
         f.Command12_MouseDown();
         f.scheduler.advance(150);
         f.Command12_MouseUp();
         f.Command12_Click();  // the click that follows changes nothing
       },
       {"ベタ YOU  21.5"},
       false},
      {"click in the one-position stage, others hold the right",
       Stage::SoldOutOthersRight,
       [](Form1& f) { f.Command12_Click(); },
       {"1POS YOU  20.3"},
       false},
      {"click in the one-position stage, the trainee holds the right",
       Stage::SoldOutTraineesRight,
       [](Form1& f) {
         f.Command12_Click();
         f.Command12_Click();
       },
       {"権利 YOU  20.3"},
       false},
      {"continuous raise joining the untouched rise",
       Stage::Running,
       [](Form1& f) {
         f.Command13_MouseDown();
         f.scheduler.advance(100);
         f.Command13_MouseUp();
       },
       {"他  21.2"},
       true},
      {"continuous raise from a stopped clock",
       Stage::Stopped,
       [](Form1& f) {
         f.Command13_MouseDown();
         f.scheduler.advance(100);
         f.Command13_MouseUp();
       },
       {"連続 CO  21.2"},
       false},
      {"continuous raise running after a raise by others",
       Stage::RunningAfterRaise,
       [](Form1& f) { f.Command13_MouseUp(); },
       {"連続 CO  20.6"},
       false},
      {"continuous raise in the one-position stage",
       Stage::SoldOutOthersRight,
       [](Form1& f) {
         f.Command13_MouseDown();
         f.scheduler.advance(100);
         f.Command13_MouseUp();
       },
       {"1POS 他  20.6"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ManualScreen s;
    Form1& f = s.f;
    setUp(s, c.stage);
    const std::string before = f.ousatu.text;
    c.use(f);
    std::string added;
    for (const std::string& line : c.lines) added += "\r\n" + line;
    EXPECT_EQ(f.ousatu.text, before + added);
    EXPECT_EQ(f.Timer1.enabled(), c.clockRunsAfter);
  }
}

// What press, release and click do in each situation of the lot.
TEST(BidButton, ActsOnlyInItsSituations) {
  enum Effect { Nothing, ClockStartsHeld, ClockStopsBeta, RunningBid, OnePositionBid };
  struct Case {
    const char* situation;
    std::function<void(ManualScreen&)> setUp;
    Effect press, release, click;
  };
  const Case cases[] = {
      {"closed",
       [](ManualScreen& s) {
         s.startLot();
         s.f.Command2_Click();
         s.f.simekiri = 1;
       },
       Nothing, Nothing, Nothing},
      {"not in progress",
       [](ManualScreen& s) {
         s.startLot();
         s.f.Command2_Click();
         s.f.serityuu = 0;
       },
       Nothing, Nothing, Nothing},
      {"opening, running", [](ManualScreen& s) { setUp(s, Stage::Running); }, Nothing, Nothing,
       RunningBid},
      {"opening, stopped", [](ManualScreen& s) { setUp(s, Stage::Stopped); }, ClockStartsHeld,
       Nothing, Nothing},
      {"opening, held",
       [](ManualScreen& s) {
         setUp(s, Stage::Stopped);
         s.f.Command12_MouseDown();
       },
       Nothing, ClockStopsBeta, Nothing},
      {"one-position stage", [](ManualScreen& s) { setUp(s, Stage::SoldOutOthersRight); }, Nothing,
       Nothing, OnePositionBid},
  };
  const std::pair<const char*, void (Form1::*)()> uses[] = {
      {"press", &Form1::Command12_MouseDown},
      {"release", &Form1::Command12_MouseUp},
      {"click", &Form1::Command12_Click},
  };
  for (const Case& c : cases) {
    for (int u = 0; u < 3; ++u) {
      SCOPED_TRACE(std::string(c.situation) + ", " + uses[u].first);
      ManualScreen s;
      Form1& f = s.f;
      c.setUp(s);
      const bool ranBefore = f.Timer1.enabled();
      const int osityuu = f.osityuu;
      const std::string record = f.ousatu.text;
      const double price = f.kakaku;
      (f.*uses[u].second)();
      const Effect expected = u == 0 ? c.press : u == 1 ? c.release : c.click;
      switch (expected) {
        case Nothing:
          EXPECT_EQ(f.Timer1.enabled(), ranBefore);
          EXPECT_EQ(f.osityuu, osityuu);
          EXPECT_EQ(f.ousatu.text, record);
          EXPECT_EQ(f.kakaku, price);
          break;
        case ClockStartsHeld:
          EXPECT_TRUE(f.Timer1.enabled());
          EXPECT_EQ(f.Timer2.interval(), 60);
          EXPECT_EQ(f.osityuu, 1);
          EXPECT_EQ(f.taninkenri, 0);
          EXPECT_EQ(f.kakaku, price);  // the first step comes one interval later
          break;
        case ClockStopsBeta:
          EXPECT_FALSE(f.Timer1.enabled());
          EXPECT_EQ(f.osityuu, 0);
          EXPECT_EQ(lastLine(f), "ベタ YOU  " + f.kirokukakaku);
          EXPECT_EQ(f.aka.backColor, kRed);
          EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Possible));
          break;
        case RunningBid:
          EXPECT_EQ(lastLine(f), "YOU  20.6");
          EXPECT_EQ(f.taninkenri, 0);
          EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
          EXPECT_EQ(f.Label10.foreColor, kBlack);  // the right display is not changed
          break;
        case OnePositionBid:
          EXPECT_EQ(lastLine(f), "1POS YOU  20.3");
          EXPECT_EQ(f.kakaku, price + 3);
          break;
      }
    }
  }
}

TEST(BidButton, RightYouIsWrittenOnceAndAgainAfterAnotherLine) {
  ManualScreen s;
  Form1& f = s.f;
  setUp(s, Stage::SoldOutTraineesRight);
  f.Command12_Click();
  f.Command12_Click();
  f.Command12_Click();
  EXPECT_EQ(lineCount(f), 5);  // start, stop, sell-out, 1POS YOU, 権利 YOU
  EXPECT_EQ(lastLine(f), "権利 YOU  20.3");
  EXPECT_EQ(f.kakaku, 203);
  EXPECT_EQ(f.Timer4.enabled(), true);  // each click still flashes
  EXPECT_EQ(f.Label10.foreColor, kRed);
  EXPECT_TRUE(f.kenri2.visible);
  EXPECT_EQ(f.kenri.caption, "練習者権利発生");
  f.Command3_Click();   // 1POS 他 20.6: the others take the right
  f.Command12_Click();  // 1POS YOU 20.9
  f.Command12_Click();  // 権利 YOU 20.9 once more
  EXPECT_EQ(lastLine(f), "権利 YOU  20.9");
  EXPECT_EQ(lineCount(f), 8);
}

TEST(BidButton, AHeldReleaseAfterSomethingElseStoppedTheClock) {
  ManualScreen s;
  Form1& f = s.f;
  setUp(s, Stage::Stopped);
  f.Command12_MouseDown();
  f.scheduler.advance(100);
  f.Command2_Click();  // the operator stops the clock under the trainee's hand
  const std::string record = f.ousatu.text;
  f.Command12_MouseUp();
  EXPECT_EQ(f.ousatu.text, record);
  EXPECT_EQ(f.osityuu, 1);
  // Until a restart the button stays dead in the opening stage.
  f.Command12_MouseDown();
  EXPECT_FALSE(f.Timer1.enabled());
  f.Command13_MouseDown();
  f.scheduler.advance(50);
  f.Command13_MouseUp();
  f.Command12_Click();
  EXPECT_EQ(f.ousatu.text.size(), record.size() + std::string("\r\n連続 CO  21.5").size());
  f.Command6_Click();
  f.Command7_Click();
  EXPECT_EQ(f.osityuu, 0);
  f.Command2_Click();
  f.Command12_MouseDown();
  EXPECT_TRUE(f.Timer1.enabled());
}

TEST(BidButton, OnePositionClicksDoNothingWhileTheClockRuns) {
  ManualScreen s;
  Form1& f = s.f;
  setUp(s, Stage::SoldOutOthersRight);
  f.Command13_MouseDown();
  const std::string record = f.ousatu.text;
  f.Command12_Click();
  EXPECT_EQ(f.ousatu.text, record);
  EXPECT_EQ(f.taninkenri, 1);
}

TEST(BidButton, ContinuousRaiseStillWorksAfterBiddingClosed) {
  ManualScreen s;
  Form1& f = s.f;
  setUp(s, Stage::Stopped);
  f.Command9_Click();  // manual decision before the sell-out: closes bidding only
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.syuuryou, 0);
  f.Command12_MouseDown();
  EXPECT_FALSE(f.Timer1.enabled());
  f.Command13_MouseDown();
  EXPECT_TRUE(f.Timer1.enabled());
  f.scheduler.advance(50);
  f.Command13_MouseUp();
  f.Command8_Click();
  f.Command9_Click();
  EXPECT_EQ(lastLine(f), "他人落札  20.9");
}

TEST(BidButton, FirstClickAfterAnotherBuyersRaiseRestartsTheCountdownTheSecondDoesNot) {
  ManualScreen s;
  Form1& f = s.f;
  setUp(s, Stage::SoldOutTraineesRight);
  f.nokorikaisi();
  f.scheduler.advance(600);
  f.Command13_MouseDown();  // restarts: next tick at 1600
  f.Command13_MouseUp();
  f.scheduler.advance(900);
  f.Command12_Click();  // restarts: next tick at 2500
  f.scheduler.advance(900);
  f.Command12_Click();  // no restart
  f.scheduler.advance(100);
  EXPECT_EQ(f.ketteikaisuu, 1);
  EXPECT_EQ(f.nokori2.text, "2");
}

}  // namespace
}  // namespace kobaru
