// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "support/screen.h"

namespace kobaru {
namespace {

int starts(const RecordingHost& host, const Form1& f) {
  return static_cast<int>(std::count(host.sounds.begin(), host.sounds.end(), f.sutatowav));
}

TEST(FullAutomatic, PreparesARandomLotAndStartsItThreeSecondsLater) {
  ManualScreen s;
  Form1& f = s.f;
  // Draws: start price, sell-out price, pattern, margin, then the lot preparation's three.
  s.draws = {0.5, 0.5, 0.9, 0.1, 0.5, 0.0, 0.9};
  f.Command26_Click();
  EXPECT_EQ(f.modo, 2);
  EXPECT_EQ(f.modo10.caption, "デモモード");
  EXPECT_EQ(f.Command1.caption, "最初だけスタートを押して下さい");
  EXPECT_EQ(f.kakaku, 1800);
  EXPECT_EQ(f.Text6.text, "1800");
  EXPECT_TRUE(f.Text6.locked);
  EXPECT_EQ(f.Text8.text, "2010");
  EXPECT_EQ(f.urikiri, 2010);
  EXPECT_EQ(f.meyasugaku.text, "201.0");
  EXPECT_EQ(f.copatan, 5);
  EXPECT_EQ(f.teisihaba, 11);
  EXPECT_EQ(f.syuppin.text, "1001");
  EXPECT_TRUE(f.Label27.visible);
  EXPECT_EQ(f.sutatofuka, 0);
  EXPECT_EQ(f.Command13.left, 2178);
  EXPECT_EQ(f.Command22.top, 6240);
  f.scheduler.advance(2999);
  EXPECT_FALSE(f.Timer1.enabled());
  f.scheduler.advance(1);
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_FALSE(f.Label27.visible);
  EXPECT_TRUE(f.Timer9.enabled());
  EXPECT_TRUE(f.Timer17.enabled());
  EXPECT_TRUE(f.Timer19.enabled());
  EXPECT_EQ(f.Timer19.interval(), 50);
  EXPECT_EQ(lastLine(f), "スタート  180.0");
}

TEST(FullAutomatic, StartAndSellOutPricesCoverTheirRanges) {
  std::set<double> startPrices, offsets;
  std::set<int> margins;
  for (int i = 0; i < 35; ++i) {
    for (int j = 0; j < 16; ++j) {
      ManualScreen s;
      s.draws = {(i + 0.5) / 35, (j + 0.5) / 16, 0.5, (i % 3 + 0.5) / 3};
      s.f.Command26_Click();
      startPrices.insert(numericValue(s.f.Text6.text));
      offsets.insert(numericValue(s.f.Text8.text) - numericValue(s.f.Text6.text));
      margins.insert(s.f.teisihaba);
    }
  }
  EXPECT_EQ(startPrices.size(), 35u);
  EXPECT_EQ(*startPrices.begin(), 100);
  EXPECT_EQ(*startPrices.rbegin(), 3500);
  for (double p : startPrices) EXPECT_EQ(std::fmod(p, 100), 0);
  EXPECT_EQ(offsets.size(), 16u);
  EXPECT_EQ(*offsets.begin(), 130);
  EXPECT_EQ(*offsets.rbegin(), 280);
  EXPECT_EQ(margins, (std::set<int>{11, 33}));
}

TEST(FullAutomatic, AbandonsARunningLotWithoutALine) {
  AutomaticLot s("1000", "1200", 33, 0);
  Form1& f = s.f;
  s.ticks(40);
  const std::string record = f.ousatu.text;
  f.Command26_Click();
  EXPECT_EQ(f.ousatu.text, record);  // no no-sale line; the next start clears it
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_FALSE(f.Timer9.enabled());
  EXPECT_FALSE(f.Timer17.enabled());
  EXPECT_TRUE(f.Timer18.enabled());
  EXPECT_EQ(f.serityuu, 0);
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.syuppin.text, "1002");
  f.Command12_Click();  // the abandoned lot takes no more bids
  EXPECT_EQ(f.ousatu.text, record);
}

TEST(FullAutomatic, StartPressedDuringTheCountdownStartsTheLotOnce) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command26_Click();
  f.scheduler.advance(1500);
  f.Command1_Click();
  EXPECT_TRUE(f.Timer1.enabled());
  f.scheduler.advance(1500);
  EXPECT_EQ(starts(s.host, f), 1);
  EXPECT_TRUE(f.Timer19.enabled());
  EXPECT_EQ(std::count(f.ousatu.text.begin(), f.ousatu.text.end(), '\n') >= 1, true);
  EXPECT_EQ(f.ousatu.text.find("スタート"), f.ousatu.text.rfind("スタート"));
}

// Started by hand during the countdown and ended before the countdown runs out, a lot is not
// started again by the countdown: the cycle goes on to the next lot, whichever way the lot ended
// and whether or not its end was cleared by hand.
TEST(FullAutomatic, ALotStartedAndEndedDuringTheCountdownIsNotStartedAgain) {
  const std::pair<const char*, void (*)(Form1&)> ends[] = {
      {"no sale", [](Form1& f) { f.Command22_Click(); }},
      {"no sale, cleared",
       [](Form1& f) {
         f.Command22_Click();
         f.Command10_Click();
       }},
      {"won, confirmed",
       [](Form1& f) {
         f.Command12_Click();  // the trainee's bid, the sell-out and the award at once
         f.Command2_Click();
         f.Command8_Click();
         f.rakusatusyori();
         f.Command14_Click();
       }},
  };
  for (auto [name, end] : ends) {
    SCOPED_TRACE(name);
    ManualScreen s;
    Form1& f = s.f;
    f.Command26_Click();
    const std::string lot = f.syuppin.text;
    f.scheduler.advance(1200);
    f.Command1_Click();
    f.scheduler.advance(200);
    end(f);
    const std::string ended = f.ousatu.text;
    f.scheduler.advance(1600);  // the countdown runs out
    EXPECT_EQ(f.ousatu.text, ended);
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(f.Command10.backColor == kRed && f.Command14.backColor == kRed);
    f.scheduler.advance(8000);  // the next lot, with its own number, starts
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.ousatu.text.rfind("応札記録\r\nスタート  ", 0), 0u);
    EXPECT_NE(f.syuppin.text, lot);
  }
}

// The operator's Start does not run an ended lot again in the automatic practice.
TEST(FullAutomatic, StartDoesNothingForALotThatHasEnded) {
  AutomaticLot s("1000", "1200");
  Form1& f = s.f;
  f.Command22_Click();
  ASSERT_EQ(f.syuuryou, 1);
  f.Command4_Click();  // a back-off unlocks Start
  ASSERT_EQ(f.sutatofuka, 0);
  const std::string record = f.ousatu.text;
  f.Command1_Click();
  EXPECT_EQ(f.ousatu.text, record);
  EXPECT_FALSE(f.Timer1.enabled());
}

TEST(FullAutomatic, TheNextLotStartsAboutSevenSecondsAfterANoSale) {
  AutomaticLot s("1000", "1200");
  Form1& f = s.f;
  f.Timer19.setEnabled(true);
  f.Timer19.setInterval(50);
  s.ticks(94);  // 1282: far past the reserve, no sale, seen by the lot watch at once
  ASSERT_EQ(lastLine(f), "ﾉｰｺｰﾙ  100.0");
  const std::int64_t ended = f.scheduler.now();
  const int before = starts(s.host, f);
  f.scheduler.advance(6999);
  EXPECT_EQ(starts(s.host, f), before);
  f.scheduler.advance(50);
  EXPECT_EQ(starts(s.host, f), before + 1);
  EXPECT_EQ(f.syuppin.text, "1002");
  EXPECT_LE(f.scheduler.now() - ended, 7050);
}

// Plays the following lots: each must end (an award or a no sale in its record) before the
// next one replaces it, and the next must come.
void expectLotsGoOn(ManualScreen& s, int lots) {
  Form1& f = s.f;
  for (int i = 0; i < lots; ++i) {
    const double lot = f.syuppinbangou;
    for (int second = 0; second < 120 && f.syuppinbangou == lot; ++second) {
      f.scheduler.advance(1000);
      if (f.Command14.backColor == kRed) f.Command14_Click();
    }
    ASSERT_NE(f.syuppinbangou, lot) << "lot " << lot << " never ended";
    const std::string& record = f.ousatu.text;
    ASSERT_TRUE(record.find("落札  ") != std::string::npos ||
                record.find("流札  ") != std::string::npos)
        << "lot " << lot << " abandoned:\n"
        << record;
  }
}

TEST(FullAutomatic, AnUntakenAutomaticCutOffLeavesTheFollowingLotsAlone) {
  AutomaticLot s("200", "500");
  Form1& f = s.f;
  f.Command2_Click();
  f.Command4_Click();
  f.Command7_Click();  // a re-auction from 150
  s.draws = {0.95};
  s.ticks(16);  // automatic cut-off
  ASSERT_EQ(lastLine(f), "自動見切  19.8");
  s.draws = {0.5};
  f.scheduler.advance(3000);  // no sale, and the next lot at once
  EXPECT_EQ(f.Command10.backColor, kSilver);
  expectLotsGoOn(s, 4);
}

TEST(FullAutomatic, PressedWhileAWonLotAwaitsConfirmationTheCycleGoesOn) {
  AutomaticLot s("200", "500");
  Form1& f = s.f;
  f.Command2_Click();
  f.Command12_MouseDown();
  f.Command12_MouseUp();
  f.Command8_Click();  // sold out to the trainee, countdown running
  f.scheduler.advance(3000);
  ASSERT_EQ(f.Command14.backColor, kRed);
  f.Command26_Click();
  EXPECT_EQ(f.Command14.backColor, kSilver);
  EXPECT_FALSE(f.Timer5.enabled());
  f.scheduler.advance(1500);
  f.Command14_Click();  // a confirm in the start countdown touches nothing of the new lot
  EXPECT_NE(f.kakaku, 0);
  EXPECT_FALSE(f.Timer20.enabled());
  expectLotsGoOn(s, 4);
}

TEST(FullAutomatic, StrayClicksAndKeysDuringTheStartCountdownDoNotStopTheStart) {
  const std::pair<const char*, void (*)(Form1&)> strays[] = {
      {"confirm", [](Form1& f) { f.Command14_Click(); }},
      {"next lot", [](Form1& f) { f.Command10_Click(); }},
      {"speed key", [](Form1& f) { f.Text7_KeyPress(U'1'); }},
  };
  for (auto [name, stray] : strays) {
    SCOPED_TRACE(name);
    ManualScreen s;
    Form1& f = s.f;
    f.Command26_Click();
    f.scheduler.advance(1200);
    stray(f);
    EXPECT_EQ(f.sutatofuka, 1);
    f.scheduler.advance(1800);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(starts(s.host, f), 1);
  }
}

TEST(FullAutomatic, AStrayClickDuringTheStepBackPauseDoesNotStopTheRestart) {
  AutomaticLot s("1000", "1200");
  Form1& f = s.f;
  f.Command2_Click();
  f.ousatukakaku = 100.0;
  f.modosikaisuu = 1;
  f.Timer13.setEnabled(true);
  f.scheduler.advance(1000);  // the step back
  ASSERT_TRUE(f.Timer14.enabled());
  f.Command10_Click();  // sets the start lock
  f.scheduler.advance(3000);
  EXPECT_EQ(lastLine(f).substr(0, 14), "自動再競  ");
  EXPECT_TRUE(f.Timer1.enabled());
  EXPECT_TRUE(f.Timer11.enabled());
}

TEST(FullAutomatic, TheNextLotButtonPressedBeforeTheWatchSeesItContinuesTheCycle) {
  AutomaticLot s("1000", "1200");
  Form1& f = s.f;
  f.Timer19.setEnabled(true);
  f.Timer19.setInterval(500);  // a slow speed: the watch looks seldom
  s.ticks(94);                 // no sale: the next-lot button turns red
  ASSERT_EQ(f.Command10.backColor, kRed);
  f.Command10_Click();  // the trainee is quicker than the watch
  EXPECT_FALSE(f.Timer19.enabled());
  EXPECT_TRUE(f.Timer20.enabled());
  f.scheduler.advance(7000);
  EXPECT_EQ(starts(s.host, f), 2);
  EXPECT_EQ(f.syuppin.text, "1002");
}

TEST(FullAutomatic, ForcedStopReturnsToManualMode) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command26_Click();
  f.scheduler.advance(5000);
  f.Command23_Click();
  EXPECT_EQ(f.modo, 0);
  EXPECT_EQ(f.modo10.caption, "手動モード");
  EXPECT_FALSE(f.Text6.locked);
  EXPECT_FALSE(f.scheduler.nextDue());
}

}  // namespace
}  // namespace kobaru
