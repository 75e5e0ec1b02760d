// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/screen.h"

namespace kobaru {
namespace {

// A lot stopped on the floor's bid at 200 and sold out; the trainee's click takes it to 203.
struct SoldOut : ManualScreen {
  explicit SoldOut(bool traineeBids, int modo = 0) {
    startLot("200");
    f.Command2_Click();
    f.modo = modo;
    f.Command8_Click();
    if (traineeBids) f.Command12_Click();
  }
};

// The sell-out button's three states, as the board shows them; only two of them also say which of
// the decision and the no sale is the action in view.
TEST(SellOutButton, EachStateShowsItsCaptionAndColours) {
  constexpr Color kUntouched = kYellow;
  struct Case {
    SellOut state;
    const char* caption;
    Color face, decision, noSale;
  };
  const Case cases[] = {
      {SellOut::Impossible, "うりきり不可", kWhite, kSilver, kLightRed},
      {SellOut::Possible, "うりきり可能", kLightRed, kUntouched, kUntouched},
      {SellOut::Declared, "うりきり中", kSalmon, kLightRed, kSilver},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    ManualScreen s;
    Form1& f = s.f;
    f.Command9.backColor = f.Command22.backColor = kUntouched;
    f.showSellOut(c.state);
    EXPECT_EQ(f.Command8.caption, c.caption);
    EXPECT_STREQ(captionOf(c.state), c.caption);
    EXPECT_EQ(f.Command8.backColor, c.face);
    EXPECT_EQ(f.Command9.backColor, c.decision);
    EXPECT_EQ(f.Command22.backColor, c.noSale);
  }
}

TEST(SellOut, DeclaredOnABidStandingAtThePrice) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  f.Command12_MouseDown();
  f.scheduler.advance(100);
  f.Command12_MouseUp();  // ベタ YOU 20.6
  f.Command8_Click();
  EXPECT_EQ(f.urikirityuu, 1);
  EXPECT_EQ(f.syudouseri, 1);
  EXPECT_EQ(lastLine(f), "うりきり  20.6");
  EXPECT_EQ(f.Label13.backColor, kRed);
  EXPECT_EQ(f.Label13.foreColor, kWhite);
  EXPECT_TRUE(f.urikiri2.visible);
  EXPECT_FALSE(f.sutato2.visible);
  EXPECT_EQ(s.host.sounds.back(), f.sutatowav);
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Declared));
  EXPECT_EQ(f.Label10.foreColor, kRed);
  EXPECT_TRUE(f.kenri2.visible);
  EXPECT_EQ(f.kenri.caption, "練習者権利発生");
  EXPECT_FALSE(f.Timer6.enabled() && f.Timer6.interval() > 0);  // manual: no countdown

  const std::string record = f.ousatu.text;
  f.Command8_Click();  // a second click does nothing
  EXPECT_EQ(f.ousatu.text, record);
}

TEST(SellOut, WithBidAssistOffOnlyTheStatusTextShowsTheRight) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command20_Click();
  s.startLot("200");
  f.Command2_Click();
  f.Command12_MouseDown();
  f.Command12_MouseUp();
  f.Command8_Click();
  EXPECT_EQ(f.Label10.foreColor, kBlack);
  EXPECT_FALSE(f.kenri2.visible);
  EXPECT_EQ(f.kenri.caption, "練習者権利発生");
}

TEST(SellOut, AfterAnotherBuyersHeldBidEmptiesTheStatus) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.kenri.caption = "something";
  f.Command2_Click();
  f.Command13_MouseDown();
  f.Command13_MouseUp();  // 連続 CO 20.0
  f.Command8_Click();
  EXPECT_EQ(f.urikirityuu, 1);
  EXPECT_EQ(f.kenri.caption, "");
}

TEST(SellOut, RefusedWhenNoBidStandsAtThePrice) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.scheduler.advance(100);
  f.Command8.caption = captionOf(SellOut::Possible);
  f.Command8_Click();
  EXPECT_EQ(f.urikirityuu, 0);
  EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Impossible));
  EXPECT_TRUE(f.Timer1.enabled());
}

TEST(SellOut, OperatorSellOutCountsDownOnlyInFullAutomaticMode) {
  for (int modo : {0, 2}) {
    SoldOut s(false, modo);
    EXPECT_EQ(s.f.urikirityuu, 1);
    EXPECT_FALSE(s.f.Timer11.enabled());
    EXPECT_EQ(s.f.Timer6.enabled() && s.f.Timer6.interval() == 1000, modo == 2) << modo;
    s.f.scheduler.advance(3000);
    EXPECT_EQ(s.f.syuuryou, modo == 2 ? 1 : 0) << modo;
  }
}

TEST(DelayedSellOut, SetsTheStateAtTheSecondTickAndCountsDownInFullAutomaticMode) {
  for (int modo : {0, 2}) {
    ManualScreen s;
    Form1& f = s.f;
    s.startLot("200");
    f.Command2_Click();
    f.modo = modo;
    const std::string record = f.ousatu.text;
    const std::size_t sounds = s.host.sounds.size();
    f.urikirikaisuu = 0;
    f.Timer15.setEnabled(true);
    f.scheduler.advance(1000);
    EXPECT_EQ(f.urikirityuu, 0);
    f.scheduler.advance(1000);
    EXPECT_EQ(f.urikirityuu, 1);
    EXPECT_EQ(f.syudouseri, 1);
    EXPECT_FALSE(f.Timer15.enabled());
    EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Declared));
    EXPECT_EQ(f.ousatu.text, record);  // no line, no sound
    EXPECT_EQ(s.host.sounds.size(), sounds);
    f.scheduler.advance(3000);
    EXPECT_EQ(f.syuuryou, modo == 2 ? 1 : 0) << modo;
  }
}

TEST(Countdown, CountsThreeTwoOneThenAwards) {
  SoldOut s(true);
  Form1& f = s.f;
  f.modo = 2;
  f.nokorikaisi();
  EXPECT_TRUE(f.nokori.visible);
  EXPECT_TRUE(f.nokori2.visible);
  std::vector<std::string> digits;
  for (int ms = 0; ms < 3000; ms += 500) {
    digits.push_back(f.nokori2.text);
    f.scheduler.advance(500);
  }
  EXPECT_EQ(digits, (std::vector<std::string>{"3", "3", "2", "2", "1", "1"}));
  EXPECT_EQ(f.syuuryou, 1);
  EXPECT_EQ(f.nokori2.text, "決定");
  EXPECT_TRUE(f.nokori2.visible);
  EXPECT_FALSE(f.nokori.visible);
  EXPECT_EQ(f.Timer6.interval(), 0);
  EXPECT_FALSE(f.Timer7.enabled());
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(lastLine(f), "自分落札  20.3");
}

// A second start of the countdown leaves the digit's period where it was: its next refresh
// comes 80 ms after the first start, not 80 ms after the second.
TEST(Countdown, ASecondStartKeepsTheDigitsPeriod) {
  SoldOut s(true);
  Form1& f = s.f;
  f.modo = 2;
  f.nokorikaisi();
  f.scheduler.advance(40);
  f.nokorikaisi();
  f.nokori2.text.clear();
  f.scheduler.advance(40);
  EXPECT_EQ(f.nokori2.text, "3");
}

TEST(Countdown, ARaiseAtOnePutsItBackToThree) {
  SoldOut s(true);
  Form1& f = s.f;
  f.nokorikaisi();
  f.scheduler.advance(2500);
  EXPECT_EQ(f.nokori2.text, "1");
  f.Command3_Click();  // the floor raises: 1POS 他 20.6
  f.scheduler.advance(80);
  EXPECT_EQ(f.nokori2.text, "3");
  f.scheduler.advance(2900);
  EXPECT_EQ(f.syuuryou, 0);
  f.scheduler.advance(20);  // three seconds after the raise
  EXPECT_EQ(f.syuuryou, 1);
  EXPECT_EQ(lastLine(f), "他人落札  20.6");
}

TEST(Countdown, WithBidAssistOffRunsUnseenAndSwitchingOnShowsIt) {
  SoldOut s(true);
  Form1& f = s.f;
  f.modo = 2;
  f.Command20_Click();
  f.nokorikaisi();
  EXPECT_FALSE(f.nokori.visible);
  EXPECT_FALSE(f.nokori2.visible);
  f.scheduler.advance(1500);
  f.Command21_Click();
  EXPECT_TRUE(f.nokori.visible);
  EXPECT_TRUE(f.nokori2.visible);
  EXPECT_EQ(f.nokori2.text, "2");
  f.Command20_Click();
  EXPECT_FALSE(f.nokori2.visible);
  f.scheduler.advance(1500);
  EXPECT_EQ(f.syuuryou, 1);
  EXPECT_FALSE(f.nokori2.visible);
}

TEST(Award, TheTraineesWinAwaitsConfirmation) {
  SoldOut s(true);
  Form1& f = s.f;
  f.Command9_Click();
  EXPECT_EQ(lastLine(f), "自分落札  20.3");
  EXPECT_EQ(f.ousatukakaku, 20.3);
  EXPECT_EQ(f.Command14.backColor, kRed);
  EXPECT_EQ(f.Command10.backColor, kSilver);
  EXPECT_EQ(f.focus, &f.Command14);
  EXPECT_EQ(f.tenmei.text, "練習者");
  EXPECT_EQ(f.kenri.caption, "練習者落札");
  EXPECT_TRUE(f.tenmei1.visible);
  EXPECT_TRUE(f.jibun.visible);
  EXPECT_FALSE(f.tanin.visible);
  EXPECT_EQ(f.Label17.backColor, kRed);
  EXPECT_TRUE(f.kettei2.visible);
  EXPECT_FALSE(f.urikiri2.visible);
  EXPECT_EQ(f.Label13.backColor, kBlack);
  EXPECT_EQ(f.Label10.foreColor, kBlack);
  EXPECT_EQ(f.Command8.caption, "決　定");
  EXPECT_EQ(f.Command8.backColor, 0xFFC080u);
  EXPECT_EQ(s.host.sounds.back(), f.rakusatuwav);
  EXPECT_EQ(f.syuuryou, 1);
  EXPECT_EQ(f.serityuu, 0);
  f.scheduler.advance(1500);
  EXPECT_EQ(s.host.beeps, 3);
  f.Command14_Click();
  f.scheduler.advance(1500);
  EXPECT_EQ(s.host.beeps, 3);
}

TEST(Award, AnotherBuyersWinTurnsTheNextLotButtonRed) {
  SoldOut s(false);
  Form1& f = s.f;
  f.Command9_Click();
  EXPECT_EQ(lastLine(f), "他人落札  20.0");
  EXPECT_EQ(f.Command10.backColor, kRed);
  EXPECT_EQ(f.Command14.backColor, kSilver);
  EXPECT_EQ(f.tenmei.text, "他の人");
  EXPECT_TRUE(f.tanin.visible);
  EXPECT_FALSE(f.jibun.visible);
  EXPECT_FALSE(f.Timer5.enabled());
  f.scheduler.advance(2000);
  EXPECT_EQ(s.host.beeps, 0);
}

TEST(Award, DecisionButtonInManualModeBeforeTheSellOutOnlyClosesBidding) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  const std::string record = f.ousatu.text;
  f.Command9_Click();
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.syuuryou, 0);
  EXPECT_EQ(f.ousatu.text, record);
}

TEST(Award, DecisionButtonDoesNothingInFullAutomaticMode) {
  SoldOut s(true, 2);
  Form1& f = s.f;
  f.Timer6.setEnabled(false);
  f.simekiri = 0;
  f.Command9_Click();
  EXPECT_EQ(f.simekiri, 0);
  EXPECT_EQ(f.syuuryou, 0);
}

}  // namespace
}  // namespace kobaru
