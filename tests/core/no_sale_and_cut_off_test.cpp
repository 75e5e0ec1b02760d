// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/screen.h"

namespace kobaru {
namespace {

TEST(NoSaleButton, EndsARunningLotWithItsFinalBidLine) {
  struct Case {
    bool bid;
    const char* tail;
  };
  for (const Case& c : {Case{false, "流札  20.6\r\n\r\nﾉｰｺｰﾙ  20.0"},
                        Case{true, "流札  20.6\r\n\r\n最終応札  20.3"}}) {
    ManualScreen s;
    Form1& f = s.f;
    s.startLot("200");
    f.scheduler.advance(50);
    if (c.bid) f.Command12_Click();  // YOU 20.3
    f.scheduler.advance(50);
    f.Command22_Click();
    EXPECT_EQ(f.ousatu.text.substr(f.ousatu.text.find("流札")), c.tail);
    EXPECT_EQ(f.syuuryou, 1);
    EXPECT_EQ(f.serityuu, 0);
    EXPECT_EQ(f.sutatofuka, 1);
    EXPECT_EQ(f.kakaku, 0);
    EXPECT_EQ(f.Text9.text, "");
    EXPECT_EQ(f.Command8.caption, "スタート可能");
    EXPECT_EQ(f.Command10.backColor, kRed);
    EXPECT_FALSE(f.Timer1.enabled());
  }
}

TEST(NoSaleButton, OnASoldOutLotOnlyClosesBidding) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command2_Click();
  f.Command8_Click();
  const std::string record = f.ousatu.text;
  f.Command22_Click();
  EXPECT_EQ(f.simekiri, 1);
  EXPECT_EQ(f.syuuryou, 0);
  EXPECT_EQ(f.ousatu.text, record);
}

// A full-automatic re-auction restarted at 150 after the operator backed the price off.
struct Reauction : AutomaticLot {
  Reauction() : AutomaticLot("200", "500") {
    f.Command2_Click();
    f.Command4_Click();
    f.Command7_Click();  // 再競 CO 15.0, the watch starts
  }
};

TEST(ReauctionWatch, ABidStopsItAndTheSellerAnswers) {
  struct Case {
    double draw;
    const char* ending;
  };
  for (const Case& c : {Case{0.2, "他人落札  15.9"}, Case{0.7, "流札  15.9"}}) {
    SCOPED_TRACE(c.ending);
    Reauction s;
    Form1& f = s.f;
    ASSERT_TRUE(f.Timer11.enabled());
    s.ticks(2);
    f.Command3_Click();  // 他 15.6 at the running price
    s.draws = {c.draw};
    s.ticks(1);
    EXPECT_EQ(lastLine(f), "再競停止  15.9");
    EXPECT_EQ(f.Command8.caption, captionOf(SellOut::Possible));
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.midori.backColor, kGreen);
    f.scheduler.advance(2000);  // the seller's answer two seconds after the stop
    f.scheduler.advance(3000);  // and a sale's countdown
    EXPECT_EQ(lastLine(f), c.ending);
    // No final-bid line after the seller's no sale.
    EXPECT_EQ(f.ousatu.text.find("\r\n\r\n"), std::string::npos);
  }
}

TEST(ReauctionWatch, NoBidWithin45EndsInNoSaleOrACutOff) {
  struct Case {
    double draw;
    bool cutOff;
  };
  for (const Case& c : {Case{0.5, false}, Case{0.95, true}}) {
    Reauction s;
    Form1& f = s.f;
    s.draws = {c.draw};
    s.ticks(15);  // 195: 45 past the restart, not more
    EXPECT_TRUE(f.Timer11.enabled());
    s.ticks(1);  // 198
    EXPECT_FALSE(f.Timer11.enabled());
    if (c.cutOff) {
      EXPECT_EQ(lastLine(f), "自動見切  19.8");
      EXPECT_EQ(f.Command8.caption, "見切り中");
      EXPECT_EQ(f.kenri.caption, "見切り中");
      EXPECT_TRUE(f.Timer12.enabled());
      EXPECT_TRUE(f.Timer21.enabled());
    } else {
      EXPECT_EQ(lastLine(f), "ﾉｰｺｰﾙ  20.0");
    }
  }
}

TEST(AutomaticCutOff, UntakenForThreeSecondsEndsInNoSaleAndTheNextLot) {
  Reauction s;
  Form1& f = s.f;
  s.draws = {0.95};
  s.ticks(16);
  ASSERT_EQ(lastLine(f), "自動見切  19.8");
  s.draws = {0.5};
  f.scheduler.advance(3000);
  EXPECT_NE(f.ousatu.text.find("流札  19.8\r\n\r\nﾉｰｺｰﾙ  20.0"), std::string::npos);
  EXPECT_EQ(f.syuppin.text, "1002");  // the next lot is prepared at once
  EXPECT_EQ(f.Command10.backColor, kSilver);
  EXPECT_TRUE(f.Timer18.enabled());
}

TEST(AutomaticCutOff, TakenWithinThreeSecondsTheTimeoutDoesNothing) {
  Reauction s;
  Form1& f = s.f;
  s.draws = {0.95};
  s.ticks(16);
  f.Command3_Click();  // 1POS CO 20.1 takes the lot at the cut-off
  f.scheduler.advance(80);
  EXPECT_EQ(lastLine(f), "他見切落札  20.1");
  const std::string record = f.ousatu.text;
  f.scheduler.advance(5000);
  EXPECT_EQ(f.ousatu.text, record);
  EXPECT_FALSE(f.Timer21.enabled());
  EXPECT_EQ(f.syuppin.text, "1001");
}

TEST(CutOff, TheFirstBidAboveTheCutOffPriceTakesTheLot) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.scheduler.advance(100);
  f.Command24_Click();
  EXPECT_EQ(lastLine(f), "見切 CO  20.6");
  EXPECT_EQ(f.mikirikakaku, 206);
  EXPECT_FALSE(f.Timer1.enabled());
  EXPECT_EQ(f.Label13.backColor, kRed);
  f.Command13_MouseDown();
  f.Command13_MouseUp();  // 連続 CO 20.6: at the cut-off price, not above it
  f.scheduler.advance(400);
  EXPECT_EQ(f.syuuryou, 0);
  f.Command12_MouseDown();
  f.scheduler.advance(50);
  f.Command12_MouseUp();  // ベタ YOU 20.9
  f.scheduler.advance(80);
  EXPECT_EQ(lastLine(f), "自見切落札  20.9");
  EXPECT_EQ(f.kenri.caption, "練見切落札");
  EXPECT_EQ(f.tenmei.text, "練習者");
  EXPECT_EQ(f.Command14.backColor, kRed);
  EXPECT_EQ(f.Command22.backColor, kSilver);
  EXPECT_EQ(f.focus, &f.Command14);
  EXPECT_EQ(f.Command8.caption, "決　定");
  EXPECT_EQ(s.host.sounds.back(), f.rakusatuwav);
  EXPECT_FALSE(f.Timer12.enabled());
  f.scheduler.advance(1000);
  EXPECT_EQ(s.host.beeps, 2);
}

TEST(CutOff, TheSignBlinksElevenTicksLitAndFiveDark) {
  ManualScreen s;
  Form1& f = s.f;
  s.startLot("200");
  f.Command24_Click();
  // The blink is the sign's alone: the start sign below keeps what it shows through it.
  f.sutato2.visible = true;
  std::string phases;
  for (int tick = 0; tick < 33; ++tick) {
    f.scheduler.advance(80);
    phases += f.Label13.backColor == kRed && f.urikiri2.visible ? 'L' : 'D';
    EXPECT_TRUE(f.sutato2.visible) << "tick " << tick;
  }
  EXPECT_EQ(phases,
            "LLLLLLLLLLLDDDDD"
            "LLLLLLLLLLLDDDDD"
            "L");
}

// The cut-off by its line's label, as a caller of the seam names it: either cut-off's label does
// what its kind does; any other label, or none, changes nothing.
TEST(CutOff, ByLabelTakesOnlyTheCutOffsOwnLabels) {
  struct Case {
    std::string label;
    std::optional<RecordKind> kind;
  };
  const Case cases[] = {
      {"見切 CO  ", RecordKind::OperatorCutOff},
      {"自動見切  ", RecordKind::AutomaticCutOff},
      {"見切 CO", std::nullopt},  // without its blanks
      {"他  ", std::nullopt},
      {"", std::nullopt},
      {std::string("見切 CO  ") + '\0', std::nullopt},  // a C string would stop at the NUL
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    ManualScreen byLabel, byKind;
    for (ManualScreen* s : {&byLabel, &byKind}) {
      s->startLot("200");
      s->f.scheduler.advance(100);
    }
    const std::string record = byLabel.f.ousatu.text;
    byLabel.f.mikiri(c.label);
    if (c.kind) {
      byKind.f.mikiri(*c.kind);
      EXPECT_EQ(byLabel.f.ousatu.text, byKind.f.ousatu.text);
      EXPECT_EQ(byLabel.f.recordLines, byKind.f.recordLines);
      EXPECT_TRUE(byLabel.f.Timer12.enabled());
    } else {
      EXPECT_EQ(byLabel.f.ousatu.text, record);
      EXPECT_TRUE(byLabel.f.Timer1.enabled());
      EXPECT_FALSE(byLabel.f.Timer12.enabled());
    }
  }
}

TEST(CutOff, OnlyTheManualOperatorOnARunningUnsoldLot) {
  for (int which = 0; which < 3; ++which) {
    ManualScreen s;
    Form1& f = s.f;
    s.startLot("200");
    if (which == 0) f.modo = 2;
    if (which == 1) f.urikirityuu = 1;
    if (which == 2) f.serityuu = 0;
    const std::string record = f.ousatu.text;
    f.Command24_Click();
    EXPECT_EQ(f.ousatu.text, record) << which;
    EXPECT_FALSE(f.Timer12.enabled()) << which;
  }
}

}  // namespace
}  // namespace kobaru
