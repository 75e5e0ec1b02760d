// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

TEST(Start, OpensTheLotAndSetsTheClockGoing) {
  ManualScreen s;
  Form1& f = s.f;
  f.osityuu = 1;  // left over from a lot the trainee was holding when it stopped
  s.startLot("200");
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0");
  EXPECT_EQ(s.host.sounds, std::vector<std::string>{"/opt/kobaru/sutato.wav"});
  EXPECT_EQ(f.serityuu, 1);
  EXPECT_EQ(f.simekiri, 0);
  EXPECT_EQ(f.sutatofuka, 1);
  EXPECT_EQ(f.taninkenri, 1);
  EXPECT_EQ(f.osityuu, 0);
  EXPECT_EQ(f.ousatukakaku, 20);
  EXPECT_EQ(f.sutatokakaku, 20);
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
  EXPECT_EQ(f.Command8.backColor, kWhite);
  EXPECT_EQ(f.Command22.backColor, kLightRed);
  EXPECT_EQ(f.Label14.foreColor, 0xFFFF80u);
  EXPECT_EQ(f.Label14.backColor, 0x404040u);
  EXPECT_TRUE(f.sutato2.visible);
  EXPECT_FALSE(f.Timer9.enabled());  // manual mode: no simulated floor
  EXPECT_FALSE(f.Timer17.enabled());
}

TEST(Start, DoesNothingWhileLocked) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command1_Click();  // no conditions set yet
  EXPECT_TRUE(s.host.sounds.empty());
  EXPECT_EQ(f.ousatu.text, "応札記録");
  EXPECT_FALSE(f.Timer1.enabled());
  s.startLot();
  f.ousatu.text += "\r\nmore";
  f.Command1_Click();  // a second Start
  EXPECT_EQ(s.host.sounds.size(), 1u);
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0\r\nmore");
}

struct SpeedCase {
  const char* speed;
  int modo;
  int timer1, timer2, timer9, timer17;
};

TEST(Start, SpeedSetsTheClockIntervals) {
  const SpeedCase cases[] = {
      {"0.05", 0, 50, 50, 0, 0},
      {"0.1", 0, 100, 50, 0, 0},
      {"", 0, 0, 50, 0, 0},
      {"abc", 0, 0, 50, 0, 0},
      {"-0.05", 0, 0, 50, 0, 0},                    // negative: clamped to 0, the clock stands
      {"1e400", 0, Timer::kMaxInterval, 50, 0, 0},  // beyond the timer: clamped to its longest
      {"0.0125", 0, 12, 50, 0, 0},                  // 12.5 ms: halves go to the even neighbour
      {"0.0135", 0, 14, 50, 0, 0},
      {"0.05", 2, 50, 50, 50, 350},
      {"0.1", 2, 100, 50, 100, 700},
      {"", 2, 50, 50, 50, 350},  // an emptied entry runs the automatic practice at 0.05
      {"0", 2, 50, 50, 50, 350},
      {"-1", 2, 50, 50, 50, 350},
      // A tick that rounds to 0 ms: no speed at all, the standard one in the automatic practice.
      {"0.0004", 0, 0, 50, 0, 0},
      {"0.0005", 0, 0, 50, 0, 0},  // 0.5 ms rounds to the even 0
      {"0.0004", 2, 50, 50, 50, 350},
      {"0.0005", 2, 50, 50, 50, 350},
      {"0.00051", 2, 1, 50, 1, 4},  // the fastest clock: 1 ms, the operator every 4 ms
  };
  for (const SpeedCase& c : cases) {
    SCOPED_TRACE(std::string(c.speed) + " in mode " + std::to_string(c.modo));
    ManualScreen s;
    Form1& f = s.f;
    f.modo = c.modo;
    f.Text6.text = "200";
    f.Command11_Click();
    f.sutatofuka = 0;  // the full-automatic cycle unlocks Start itself
    f.Text7.text = c.speed;
    f.Command1_Click();
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), c.timer1);
    EXPECT_EQ(f.Timer2.interval(), c.timer2);
    EXPECT_EQ(f.Timer9.enabled(), c.modo == 2);
    EXPECT_EQ(f.Timer9.interval(), c.timer9);
    EXPECT_EQ(f.Timer17.interval(), c.timer17);
    if (c.modo == 2 && c.timer1 == 50) {
      EXPECT_EQ(f.Text7.text, "0.05");
    }
  }
}

TEST(Start, AClockAtIntervalZeroStandsAtTheStartPrice) {
  ManualScreen s;
  s.f.Text7.text = "";
  s.startLot("200");
  s.f.scheduler.advance(10'000);
  EXPECT_EQ(s.f.kakaku, 200);
  EXPECT_EQ(s.f.Text9.text, "20.0");
}

// Slowed, a clock that stands at a tiny speed stands on: three times nothing is nothing.
TEST(Start, ATinySpeedLeavesTheSlowedClockStandingToo) {
  ManualScreen s;
  s.f.Text7.text = "0.0003";
  s.startLot("200");
  EXPECT_EQ(s.f.sokudo, 0);
  s.f.Command15_Click();
  EXPECT_EQ(s.f.Timer1.interval(), 0);
  s.f.scheduler.advance(10'000);
  EXPECT_EQ(s.f.kakaku, 200);
  EXPECT_EQ(s.f.ousatu.text, "応札記録\r\nスタート  20.0\r\nスロ CO  20.0");
}

// Typed into the automatic practice's speed entry, a speed too small for the clock runs the lots
// at the standard speed: every lot ends, and the record stays a lot's length.
TEST(Start, ATinySpeedInTheAutomaticPracticeRunsLotsAtTheStandardSpeed) {
  for (const char* speed : {"0.0001", "0.0004999", "0.00051"}) {
    SCOPED_TRACE(speed);
    ManualScreen s;
    Form1& f = s.f;
    f.Command26_Click();
    f.Text7.text = speed;
    const double firstLot = f.syuppinbangou;
    std::size_t longestRecord = 0;
    for (int second = 0; second < 120 && f.syuppinbangou < firstLot + 3; ++second) {
      f.scheduler.advance(1000);
      if (f.Command14.backColor == kRed) f.Command14_Click();
      longestRecord = std::max(longestRecord, f.ousatu.text.size());
    }
    EXPECT_GE(f.syuppinbangou, firstLot + 3);
    EXPECT_LT(longestRecord, 20'000u);
  }
}

struct AutoScreen : ManualScreen {
  explicit AutoScreen(std::initializer_list<double> draws) : ManualScreen(draws) {
    f.modo = 2;
    f.Text6.text = "200";
    f.Text8.text = "500";
    f.Command11_Click();
    f.sutatofuka = 0;
  }
};

TEST(Start, FullAutomaticChecksTheStartPrice) {
  AutoScreen s({0.5});
  s.f.Text6.text = "";
  s.f.Command1_Click();
  ASSERT_EQ(s.host.messages.size(), 1u);
  EXPECT_EQ(s.host.messages[0].text, "スタート価格未記入です");
  EXPECT_EQ(s.host.messages[0].title, "スタートできません");
  EXPECT_EQ(s.host.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(s.f.focus, &s.f.Text6);
  EXPECT_EQ(s.f.sutatofuka, 1);
  EXPECT_FALSE(s.f.Timer1.enabled());
  EXPECT_TRUE(s.host.sounds.empty());
}

TEST(Start, FullAutomaticRefusesASellOutNotAboveTheStart) {
  for (double urikiri : {200.0, 150.0}) {
    AutoScreen s({0.5});
    s.f.urikiri = urikiri;
    s.f.Command1_Click();
    ASSERT_EQ(s.host.messages.size(), 1u) << urikiri;
    EXPECT_EQ(s.host.messages[0].text, "うりきり価格がスタート価格より低いです");
    EXPECT_EQ(s.f.Text8.text, "");
    EXPECT_EQ(s.f.settei, 0);
    EXPECT_FALSE(s.f.Timer1.enabled());
  }
  AutoScreen s({0.5});
  s.f.urikiri = 0;  // no sell-out price: nothing to check
  s.f.Command1_Click();
  EXPECT_TRUE(s.host.messages.empty());
  EXPECT_TRUE(s.f.Timer1.enabled());
}

TEST(Start, FullAutomaticDrawsTheOperatorsStopPrices) {
  // Draws: model year, reserve offset and direction, the floor's limit, then the two stop
  // prices.
  struct Case {
    double r1, r2;
    double ue, sita;
  };
  const Case cases[] = {{0.0, 0.0, 510, 490}, {0.9999, 0.9999, 535, 465}, {0.5, 0.25, 523, 484}};
  for (const Case& c : cases) {
    AutoScreen s({0.5, 0.0, 0.9, 0.5, c.r1, c.r2});  // reserve stays 500 (offset 0)
    ASSERT_EQ(s.f.urikiri, 500);
    s.f.Command1_Click();
    EXPECT_EQ(s.f.teisiue, c.ue);
    EXPECT_EQ(s.f.teisisita, c.sita);
  }
}

}  // namespace
}  // namespace kobaru
