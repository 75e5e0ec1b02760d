// SPDX-License-Identifier: MIT
// The bid record: one line per event of the lot, written under the header, as text and as the
// kinds of its lines.
#include "practice/form1.h"
#include "practice/numbers.h"

namespace kobaru {

void Form1::recordReset() {
  ousatu.text = kRecordHeader;
  recordLines.clear();
  ++recordsBegun;
}

void Form1::recordLine(RecordKind kind) {
  kakakuman = kakaku / 10;
  kirokukakaku = priceText(kakakuman);
  appendRecordLine(kind);
}

void Form1::appendRecordLine(RecordKind kind) {
  kirokumei = labelOf(kind);
  appendRecordText(ousatu.text, kind, kirokumei, kirokukakaku);
  // A trainee's bid is the acting bidder's; an award to a trainee, the right holder's.
  const bool award = actOf(kind) == Act::Award || actOf(kind) == Act::CutOffAward;
  const int bidder = partyOf(kind) != Party::Trainee ? 0 : award ? rightHolder : actor;
  recordLines.push_back(RecordLine{kind, kakakuman, bidder});
  tell(LotObserver::Moment::RecordLine);
}

void Form1::recordBid(RecordKind kind) {
  recordLine(kind);
  ousatukakaku = kakakuman;
}

void Form1::recordFinalBid() {
  const RecordKind kind = ousatukakaku == sutatokakaku ? RecordKind::NoCall : RecordKind::FinalBid;
  appendRecordText(ousatu.text, kind, labelOf(kind), saisyuuousatu);
  recordLines.push_back(RecordLine{kind, ousatukakaku, 0});
}

bool Form1::newestRecordLineIs(RecordKind kind) const {
  return !recordLines.empty() && recordLines.back().kind == kind;
}

// The reminder that a won lot waits for the trainee's confirmation.
void Form1::Timer5_Timer() {
  host_.beep();
}

}  // namespace kobaru
