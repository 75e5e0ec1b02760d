// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "practice/record_labels.h"
#include "support/screen.h"

namespace kobaru {
namespace {

TEST(BidRecord, LinesFollowTheHeaderAfterCrLf) {
  ManualScreen s;
  Form1& f = s.f;
  EXPECT_EQ(f.ousatu.text, "応札記録");
  f.kakaku = 200;
  f.recordLine(labels::kStart);
  f.kakaku = 230;
  f.recordLine(labels::kStopCO);
  f.kakaku = 5;
  f.recordLine(labels::kOther);
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0\r\n停止 CO  23.0\r\n他  .5");
  // The last line's parts stay behind for the handlers that compare with them.
  EXPECT_EQ(f.kakakuman, 0.5);
  EXPECT_EQ(f.kirokukakaku, ".5");
  EXPECT_EQ(f.kirokumei, "他  ");

  f.recordReset();
  EXPECT_EQ(f.ousatu.text, "応札記録");
}

TEST(BidRecord, FinalBidLineNamesTheLastBidOrNoCall) {
  struct Case {
    double start, lastBid;
    const char* expected;
  };
  const Case cases[] = {
      {20.0, 20.0, "応札記録\r\n流札  26.0\r\n\r\nﾉｰｺｰﾙ  20.0"},
      {20.0, 24.5, "応札記録\r\n流札  26.0\r\n\r\n最終応札  24.5"},
  };
  for (const Case& c : cases) {
    ManualScreen s;
    Form1& f = s.f;
    f.sutatokakaku = c.start;
    f.ousatukakaku = c.lastBid;
    f.kakaku = 260;
    f.recordLine(labels::kNoSale);
    f.saisyuuousatu = c.lastBid == 20.0 ? "20.0" : "24.5";
    f.recordFinalBid();
    EXPECT_EQ(f.ousatu.text, c.expected);
  }
  EXPECT_EQ(std::string(labels::kNoCall), "\uFF89\uFF70\uFF7A\uFF70\uFF99  ");  // half-width
}

TEST(BidRecord, HiddenRecordStillGrows) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command18_Click();
  f.kakaku = 200;
  f.recordLine(labels::kStart);
  EXPECT_FALSE(f.ousatu.visible);
  f.Command19_Click();
  EXPECT_TRUE(f.ousatu.visible);
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0");
}

TEST(ReminderBeep, BeepsEveryHalfSecondWhileOnAndStopsOnConfirm) {
  ManualScreen s;
  Form1& f = s.f;
  f.scheduler.advance(5000);
  EXPECT_EQ(s.host.beeps, 0);
  // A won lot: the confirm button turns red and the beep starts.
  f.syuuryou = 1;
  f.Command14.backColor = kRed;
  f.Timer5.setEnabled(true);
  f.Timer5.setInterval(500);
  f.scheduler.advance(1600);
  EXPECT_EQ(s.host.beeps, 3);
  f.Command14_Click();
  EXPECT_FALSE(f.Timer5.enabled());
  EXPECT_EQ(f.Timer5.interval(), 0);
  f.scheduler.advance(5000);
  EXPECT_EQ(s.host.beeps, 3);
}

}  // namespace
}  // namespace kobaru
