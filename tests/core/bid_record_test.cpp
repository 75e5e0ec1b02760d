// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/record_labels.h"
#include "support/screen.h"

namespace kobaru {
namespace {

TEST(BidRecord, LinesFollowTheHeaderAfterCrLf) {
  ManualScreen s;
  Form1& f = s.f;
  EXPECT_EQ(f.ousatu.text, "応札記録");
  f.kakaku = 200;
  f.recordLine(RecordKind::Start);
  f.kakaku = 230;
  f.recordLine(RecordKind::OperatorStop);
  f.kakaku = 5;
  f.recordLine(RecordKind::FloorBid);
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
    f.recordLine(RecordKind::NoSale);
    f.saisyuuousatu = c.lastBid == 20.0 ? "20.0" : "24.5";
    f.recordFinalBid();
    EXPECT_EQ(f.ousatu.text, c.expected);
  }
  EXPECT_EQ(std::string(labelOf(RecordKind::NoCall)),
            "\uFF89\uFF70\uFF7A\uFF70\uFF99  ");  // half-width
}

TEST(BidRecord, HiddenRecordStillGrows) {
  ManualScreen s;
  Form1& f = s.f;
  f.Command18_Click();
  f.kakaku = 200;
  f.recordLine(RecordKind::Start);
  EXPECT_FALSE(f.ousatu.visible);
  f.Command19_Click();
  EXPECT_TRUE(f.ousatu.visible);
  EXPECT_EQ(f.ousatu.text, "応札記録\r\nスタート  20.0");
}

// Beside its text the record keeps each line's kind and price, in order, and clears them with the
// text; the final-bid line is a line of its own there, at the last bid.
TEST(BidRecord, KeepsTheKindAndPriceOfEveryLine) {
  ManualScreen s;
  Form1& f = s.f;
  EXPECT_TRUE(f.recordLines.empty());
  f.sutatokakaku = 20;
  f.kakaku = 200;
  f.recordLine(RecordKind::Start);
  f.kakaku = 215;
  f.recordBid(RecordKind::TraineeBid);
  f.kakaku = 218;
  f.appendRecordLine(RecordKind::TraineeRight);  // at kakakuman and kirokukakaku as they stand
  f.kakaku = 260;
  f.recordLine(RecordKind::NoSale);
  f.saisyuuousatu = "21.5";
  f.recordFinalBid();
  EXPECT_EQ(f.ousatu.text,
            "応札記録\r\nスタート  20.0\r\nYOU  21.5\r\n権利 YOU  21.5\r\n流札  26.0\r\n\r\n"
            "最終応札  21.5");
  const std::vector<RecordLine> expected = {{RecordKind::Start, 20.0},
                                            {RecordKind::TraineeBid, 21.5},
                                            {RecordKind::TraineeRight, 21.5},
                                            {RecordKind::NoSale, 26.0},
                                            {RecordKind::FinalBid, 21.5}};
  EXPECT_EQ(f.recordLines, expected);
  EXPECT_EQ(f.kirokumei, "流札  ");  // the final-bid line is no line of the handlers'

  f.recordReset();
  EXPECT_TRUE(f.recordLines.empty());
}

// Who a kind is about and what happened, whatever its label says: the trainee's, the floor's
// and the operator's versions of one act differ only in the party.
TEST(BidRecord, KindsNameThePartyAndTheAct) {
  struct Case {
    RecordKind kind;
    Party party;
    Act act;
  };
  const Case cases[] = {
      {RecordKind::TraineeBid, Party::Trainee, Act::Bid},
      {RecordKind::FloorBid, Party::Floor, Act::Bid},
      {RecordKind::TraineeOnePosition, Party::Trainee, Act::OnePosition},
      {RecordKind::FloorOnePosition, Party::Floor, Act::OnePosition},
      {RecordKind::OperatorOnePosition, Party::Operator, Act::OnePosition},
      {RecordKind::OperatorStop, Party::Operator, Act::Stop},
      {RecordKind::AutomaticStop, Party::Automatic, Act::Stop},
      {RecordKind::AwardToTrainee, Party::Trainee, Act::Award},
      {RecordKind::AwardToFloor, Party::Floor, Act::Award},
      {RecordKind::CutOffAwardToFloor, Party::Floor, Act::CutOffAward},
      {RecordKind::NoSale, Party::Lot, Act::NoSale},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(labelOf(c.kind));
    EXPECT_EQ(partyOf(c.kind), c.party);
    EXPECT_EQ(actOf(c.kind), c.act);
  }
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
